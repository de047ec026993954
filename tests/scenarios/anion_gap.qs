# Anion gap: first run, typing, the "Nothing has changed" rule, spins, bad numbers,
# the report, and the inputs kept by OK or the close control but not by Cancel.
# also: qt
open 20
dump
save
log
save
type na "140"
type k "4"
type cl "104"
type hco3 "24"
dump
# retyping the same number does not recompute, so there is still something to save
type hco3 "24.0"
save
type hco3 "24.0"
save
# spins step by exactly one, below zero too
spin k down
spin k down
spin k down
spin k down
spin k down
dump
spin k up
spin k up
spin k up
spin k up
spin k up
# a box that is not a number: the message, and the result stays
type cl "104x"
type cl ""
dump
type cl "104"
type na "140.6"
save
log
ok
get AGap NA number
get AGap K number
get AGap CL number
get AGap HCO3 number
# the next opening shows the stored inputs
dopen 20
dump
type na "150"
cancel
get AGap NA number
dopen 20
type na "135"
close
get AGap NA number
