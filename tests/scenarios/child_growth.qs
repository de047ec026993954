# Pediatric 2 to 20 years: the first run, a boy of 8 at 25 kg and 128 cm without fever,
# the activity choices, a girl of 3, fever, a stature beyond the weight-for-stature chart,
# the chosen percentile, save twice, and the inputs kept on reopening.
# also: qt
open 11
dump
type age "8"
type weight "25"
type stature "128"
click temperatureUnit
type temperature "37"
dump
save
save
log
choose activity 2
choose activity 0
dump
type factor "1"
# a girl of 3 at 14 kg: two fluid figures below 4 years
click sex
type age "3"
type weight "14"
type stature "95"
dump
# fever: 38 C raises the resting energy by 12 %, 39 C by 12 % twice
click sex
type age "10"
type weight "32"
type temperature "38"
dump
type temperature "39"
dump
# the stature beyond the weight-for-stature chart, and ages at the equation boundaries
type stature "125"
type age "10.5"
dump
header charts 2
header charts 3
header charts 3
dump
type age "-12"
click ageUnit
click weightUnit
click statureUnit
dump
ok
get Peds2to20 Age number
get Peds2to20 AgeUnits integer
get Peds2to20 WtUnits integer
get Peds2to20 Activity integer
get Peds2to20 ActFctr number
dopen 11
dump
cancel
