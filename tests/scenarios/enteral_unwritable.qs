# A formula folder that cannot be written: a report saved as "data" puts a file where the
# formula folder should be. The tool still opens (with no formulas and a warning for each
# file), and creating a formula says the data was not written, never "Formula created!".
# also: qt
set SaveOp FN text "data"
open 20
type na "140"
save
close
open 5
tab 3
type newName "My Feed"
click create
dump
tab 0
dump
close
