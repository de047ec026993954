# Serum osmolality: first run, the worked case, spins, the report and the stored inputs.
# also: qt
open 22
dump
type na "140"
type k "4"
type bun "14"
type glu "90"
dump
spin glu up
spin bun down
dump
save
log
ok
get SO dNA number
get SO dK number
get SO dBUN number
get SO dG number
dopen 22
dump
cancel
