# Commands that do not apply print an error and make the driver exit non-zero.
# exit: 1
# also: qt
dump
type nowhere "1"
tab 1
save
open 99
bogus
open 20
type na "1" "2"
spin na sideways
choose na 0
ok
ok
