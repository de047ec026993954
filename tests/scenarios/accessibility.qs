# Every page and dialog of every tool: what Tab visits, in reading order, and what a
# screen reader calls each stop. A stop without a name, or Tab going back up the page,
# is an error.
# also: qt
names
dopen 0
names
tab 1
names
ok
dopen 1
names
tab 1
names
ok
dopen 2
names
tab 1
names
ok
dopen 3
names
ok
dopen 4
names
ok
dopen 5
names
tab 1
names
tab 2
names
tab 3
names
ok
dopen 6
names
tab 1
names
tab 2
names
tab 3
names
ok
dopen 7
names
choose choice 0
names
choose choice 0
names
tab 1
names
tab 2
names
tab 3
names
tab 4
names
ok
dopen 7
choose choice 0
choose choice 1
names
ok
dopen 7
choose choice 0
choose choice 2
names
ok
dopen 7
choose choice 1
names
ok
dopen 8
names
tab 1
names
tab 2
names
ok
dopen 9
names
tab 1
names
tab 2
names
tab 3
names
tab 4
names
tab 5
names
ok
dopen 10
names
tab 1
names
tab 2
names
ok
dopen 11
names
tab 1
names
tab 2
names
ok
dopen 12
names
tab 1
names
ok
dopen 13
names
tab 1
names
ok
dopen 14
names
ok
dopen 15
names
ok
dopen 16
names
ok
dopen 17
names
ok
dopen 18
names
ok
dopen 19
names
tab 1
names
ok
dopen 20
names
tab 1
names
ok
dopen 21
names
tab 1
names
ok
dopen 22
names
tab 1
names
ok
dopen 23
names
tab 1
names
ok
dopen 24
names
tab 1
names
tab 2
names
tab 3
names
ok
dopen 25
names
tab 1
names
ok
dopen 26
names
tab 1
names
ok
open 20
options
names
click ibw
names
cancel
cancel
ok
open 10
click gestation
names
cancel
ok
# the adult tools' own dialogs: custom activity range, stress factors, MAW factor
dopen 1
choose activity 0
names
cancel
click stress
names
cancel
type weight "120"
click maw
names
cancel
ok
# the diabetic exchange types
dopen 9
click milkType
names
cancel
click meatType
names
cancel
ok
# the parenteral options and, after them, the save options; the comment prompt
dopen 7
ok
ok
options
names
ok
cancel
ok
dopen 20
options
click comment
ok
save
names
cancel
options
click comment
ok
ok
