# A damaged user formula file (a report saved over it): the stock formulas still load,
# the damaged file is kept aside as FormulasUser.bin.bad before anything is written, the
# user is told once, and a new formula starts a new user file.
# also: qt
set SaveOp FN text "data/FormulasUser.bin"
open 5
close
open 20
type na "140"
save
close
dopen 5
tab 3
type newName "My Feed"
click create
close
dopen 5
tab 3
dump
close
