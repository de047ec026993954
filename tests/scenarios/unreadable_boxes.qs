# A box that cannot be read stops a report and keeps the stored inputs as they were;
# a stored number at the edge of what a double holds still reads back.
# also: qt
open 20
type na "140"
type k "4"
type cl "104"
type hco3 "24"
ok
get AGap K number
dopen 20
# a letter O for a zero: the later box is not read until the first one is mended
type na "14O"
type k "5"
dump
save
log
type na "140"
dump
save
log
# closing with a box that cannot be read stores nothing
type cl "1O4"
ok
get AGap K number
get AGap CL number
# the largest double, stored, is shown in full and the page goes on working
set AGap HCO3 number "1.7976931348623157e308"
dopen 20
type k "6"
dump
ok
get AGap HCO3 number
get AGap K number
