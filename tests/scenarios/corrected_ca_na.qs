# Corrected calcium and sodium: first-run results, the worked cases, the report, and
# inputs kept on OK and on Cancel (but not by the close control).
# also: qt
open 26
dump
type ca "8.0"
type alb "2.0"
type glu "500"
type na "130"
dump
save
log
cancel
get CCS CA number
get CCS A number
get CCS G number
get CCS NA number
dopen 26
dump
type na "140"
# at or below 100 mg/dL of glucose the sodium needs no correction
type glu "100"
dump
close
get CCS NA number
