# Enteral "Database" and "Formulas" tabs: create a formula, give it a 250 mL serving and
# 800 mg/L of sodium (200 mg and 8.70 mEq a serving, 34.78 mEq/L), leave the tab and
# save; stock values are read-only until editing them is allowed; No keeps the question
# for the next time; copy, rename and delete with their messages; the edits survive a
# new opening of the tool.
# also: qt
open 5
tab 3
click create
type newName "My Feed"
click create
dump
tab 1
dump
cell values 0 1
type valueEdit "250"
cell values 15 1
type valueEdit "800"
answer yes
cell values 0 0
dump
answer yes
tab 0
dump
# a stock formula: tapping a value does nothing until editing stock formulas is allowed
tab 1
choose formula 0
cell values 1 1
dump
tab 3
click allowStock
tab 1
cell values 1 1
type valueEdit "1.6"
header values 0
answer no
tab 2
answer no
tab 1
tab 3
click allowStock
# copy, rename and delete
click copy
choose formulas 10
type copyName "Copy of Feed"
click copy
dump
type renameName "Renamed Feed"
answer no
click rename
answer yes
click rename
dump
choose formulas 3
answer yes
click delete
dump
# the stock edit answered No is still unsaved: closing asks again; No drops it
answer no
close
dopen 5
tab 1
choose formula 0
dump
choose formula 15
dump
close
