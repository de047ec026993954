# Percentage weight change: "?" rows, the ratings at their boundaries, the unit button
# that is a label only, the report, and weights that are never stored.
# also: qt
open 23
dump
type begin1 "150"
type end1 "142.5"
type begin0 "200"
type end0 "196.2"
type begin2 "100"
type end2 "92.45"
type begin3 "100"
type end3 "110"
dump
type end1 "142"
type end2 "92.5"
type end3 "90.2"
dump
type end1 "143"
type begin0 "0.01"
dump
click unit
dump
click unit
click unit
dump
click unit
save
save
log
ok
get PWC WU integer
dopen 23
dump
ok
# a stored unit out of range takes the default
set PWC WU integer 7
dopen 23
dump
