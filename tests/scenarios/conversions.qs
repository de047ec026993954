# Conversions: the first-run rows, a temperature, the kilocalorie row with the one-decimal
# erg row, the from unit chosen after a category change, and the stored inputs.
# also: qt
open 12
dump
screenshot conversions.png
choose category 13
dump
type value "100"
dump
choose unit 1
type value "212"
dump
choose category 14
dump
choose category 10
dump
choose unit 11
type value "1"
dump
choose category 11
dump
ok
get CP Cat integer
get CP Uni integer
get CP Num number
dopen 12
dump
cancel
# a stored from unit outside the category's list counts as the first unit
set CP Uni integer 40
set CP Cat integer 13
dopen 12
dump
ok
get CP Uni integer
# a stored category outside the list takes the default, "Chloride"
set CP Cat integer 99
set CP Uni integer 2
dopen 12
dump
cancel
# kitchen utensils hold their nominal capacities: one liter fills 16.907011 of scoop #16,
# and one scoop #16 is a quarter of a US cup (59.147059 mL)
dopen 12
choose category 15
choose unit 21
type value "1"
dump
choose unit 34
dump
cancel
