# Harris-Benedict: the first run, saving twice, unit and sex toggles, the activity choice
# for each sex and the custom range with its swap question, the stress dialog with the
# user-defined row edited in place, the MAW dialog, the custom amputation hint answered
# No, the inputs kept for the next opening, and stored choices out of range.
# also: qt
open 1
dump
save
save
log
# 72 read as inches, 80 read as kilograms: not above 125 % of the desirable weight
click heightUnit
type weight "80"
click weightUnit
dump
choose activity 3
click sex
dump
# the custom range: No keeps the dialog open, Yes swaps the two factors
choose activity 0
dump
type minimum "1.5"
type maximum "1.2"
answer no
ok
answer yes
ok
dump
# a sex change with "Custom Range" opens the dialog again; Cancel keeps the range
click sex
cancel
choose activity 1
dump
# the user-defined stress row edited in place survives Cancel, then is chosen
click stress
dump
cell stress 0 2
type cellEdit "1.3"
cell stress 5 0
dump
cancel
click stress
dump
cell stress 0 1
type cellEdit "x"
header stress 0
cell stress 0 0
ok
dump
# above 125 % of the desirable weight: the MAW check box and its dialog
type weight "120"
dump
click maw
dump
click standard
dump
click custom
type customMale "38"
dump
ok
dump
click maw
click none
dump
ok
dump
click maw
click standard
ok
# amputation: a table choice, then the custom factor's hint answered No, then no hint
choose amputation 3
answer no
choose amputation 0
choose amputation 0
type amputationPercent "5.9"
dump
save
log
ok
get BEE Sex integer
get BEE WtUnits integer
get BEE HtUnits integer
get BEE Weight number
get BEE Height number
get BEE Activity integer
get BEE ActFMin number
get BEE ActFMax number
get BEE Amputation integer
get BEE AmpF number
get BEE Stress integer
get BEE IFKMin number
get BEE IFKMax number
get BEE MAW integer
get BEE MAWFM number
get BEE MAWFF number
get BEE SCAH integer
get MAWFactor MAWF integer
get MAWFactor MAWFM number
dopen 1
dump
cancel
# stored choices outside their lists take their defaults
set BEE Stress integer 30
set BEE Activity integer 7
set BEE Sex integer 2
set BEE Amputation integer -1
dopen 1
dump
close
