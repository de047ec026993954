# Renal meal planning: first run, the hemodialysis example with "K*" clear and set, the
# single-exchange messages, each diet type, spins that stop at zero, a negative count,
# range and whole-number checks, the report saved twice, and the stored inputs reopened.
# also: qt
open 8
dump
save
log
# Hemodialysis, 70 kg, "K*" clear: Milk 1, Meat 6, Starch 6, Fat 4, Veg 2, Fruit 2, Hi Cal 1
choose type 2
click unit
type weight "70"
type mlk "1"
type mt "6"
type str "6"
type fat "4"
type vlk "2"
type flk "2"
type hc "1"
dump
click mlkLabel
click vlkLabel
click flkLabel
click weightLabel
# "K*" set: the same counts are low-potassium vegetables and fruits
click kr
dump
click vlkLabel
click fhkLabel
# a spin never takes a count below zero; a typed negative count is counted as it stands
spin fhk down
type fhk "-1"
dump
spin fhk down
spin fhk up
spin fhk up
spin vmk down
spin vmk up
dump
# the fat and high-potassium fruit counts take 0 to 99; counts are whole numbers
type fat "100"
type fat "4"
type mlk "1.5"
type mlk "1"
click kr
# each diet type, with one Hi Cal exchange only
type mlk "0"
type mt "0"
type str "0"
type fat "0"
type vlk "0"
type flk "0"
choose type 0
dump
click hcLabel
choose type 1
dump
click hcLabel
choose type 2
dump
choose type 3
dump
choose type 4
dump
choose type 5
dump
click mlkLabel
# Meat 1 and Starch 6: the HBV protein is too low
type hc "0"
type mt "1"
type str "6"
dump
save
save
log
ok
get RNLEX Type integer
get RNLEX KR integer
get RNLEX MLK integer
get RNLEX MT integer
get RNLEX Str integer
get RNLEX FHK integer
get RNLEX VMK integer
get RNLEX Weight number
get RNLEX WtUnits integer
dopen 8
dump
# Cancel stores too; the close control does not
type str "2"
cancel
get RNLEX Str integer
dopen 8
type str "3"
close
get RNLEX Str integer
# a stored negative count stays as it is
set RNLEX FHK integer -2
set RNLEX KR integer 1
dopen 8
dump
# a count outside its range stops the report until it is mended; with "K*" set the report
# lists all six vegetable and fruit counts
save
type fhk "2"
save
log
