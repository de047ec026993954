# Pediatric 0 to 36 months: the first run, a boy of 12 months at 9 kg and 74 cm, the intake
# rows at 6 months, gestational age correction for a birth at 32 weeks, catch-up growth,
# the activity factor, the units, save twice, and the inputs kept on reopening.
# also: qt
open 10
dump
click ageUnit
type age "12"
type weight "9"
type length "74"
dump
save
save
log
# 6 months reads the intake row up to half a year, 6.01 months the next one
type age "6"
dump
click sex
dump
click sex
type age "6.01"
dump
# born at 32 weeks and 3 months old: charted at about 1.15 months
type age "3"
click gestation
dump
type term "32"
click use
ok
dump
get Peds0to36 UGA integer
# catch-up growth: the intake of the weight's own age, for the desirable weight
click catchUp
dump
click useFactor
type factor "1.2"
dump
# the units turn without converting the numbers; a negative number is made positive
click weightUnit
dump
click weightUnit
type weight "-7500"
click lengthUnit
click headUnit
header charts 3
dump
ok
get Peds0to36 GAO number
get Peds0to36 WtUnits integer
get Peds0to36 Weight number
dopen 10
dump
save
log
cancel
