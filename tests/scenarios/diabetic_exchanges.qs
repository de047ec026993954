# Diabetic exchanges: first run, the worked example with its milk and meat types, the
# type dialogs (separator, double tap, the "User Defined" rows edited in place and kept
# after Cancel), the exchange lists, the report saved twice, and a restart that keeps
# the milk "User Defined" values but not the meat ones.
# also: qt
open 9
dump
save
log
# Starch 6, Vegetable 3, Fruit 3, Milk 2 non-fat, Meat 5 lean, Fat 4
type starch "6"
type veg "3"
type fruit "3"
type milk "2"
click milkType
dump
cell types 1 0
ok
type meat "5"
click meatType
cell types 2 0
ok
type fat "4"
dump
# the separator row cannot be chosen
click milkType
cell types 5 0
ok
dump
cancel
# a double tap chooses a row
click meatType
dcell types 7 0
dump
click meatType
dcell types 2 0
# the meat "User Defined" row: chosen, then edited and cancelled; the change holds
click meatType
dcell types 0 0
click meatType
cell types 0 2
dump
type value "8.5"
cancel
type fat "5"
dump
# the milk "User Defined" row: a value that is not a number is refused
click milkType
cell types 0 1
type value "12"
cell types 0 4
type value "9O"
header types 0
dump
cell types 0 4
type value "90"
ok
dump
# counts are numbers: a decimal comma is refused, not read as 1
type milk "1,5"
type milk "1.5"
# each group's list of exchanges and the free foods
click starchLabel
dump
ok
click hint
dump
ok
click meatLabel
dump
ok
click milkLabel
dump
ok
click vegLabel
dump
ok
click fruitLabel
dump
ok
click fatLabel
dump
ok
save
save
log
ok
get DMEx Milk integer
get DMEx Meat integer
get DMEx Milks number
get DMEx Fats number
get DMEx UCho number
get DMEx UPro number
get DMEx UFat number
get DMEx UCal number
dopen 9
dump
# a new run: the milk "User Defined" row comes back from the settings, the meat one is 0
close
close
dopen 9
dump
