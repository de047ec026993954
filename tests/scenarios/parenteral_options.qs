# Parenteral options: the kcal per gram of lipid changes as it is typed, OK refuses a
# value outside 8.5 to 10.5, the flash box follows "Show Reviews", and reviews that are
# switched off show "Reviews are not enabled." while the indicator stops moving.
# also: qt
open 7
ok
ok
tick
options
dump
type kcal "8.49"
ok
dump
type kcal "10.51"
ok
type kcal "10.5"
ok
dump
ok
dump
options
type kcal "8.5"
ok
ok
options
type kcal "9"
type kcal "9."
type kcal "9.5"
ok
ok
dump
tab 1
dump
tab 0
# the indicator steps with each tick; switched to steady, it stays above the values
tick
dump
options
click flashes
ok
ok
tick 3
dump
# reviews switched off
options
click showReviews
dump
click showReviews
click showReviews
ok
ok
tab 1
dump
tab 0
tick 2
dump
save
log
ok
get TPN LKPG number
get TPN RVE integer
get TPN RVF integer
