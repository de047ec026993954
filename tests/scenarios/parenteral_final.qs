# Parenteral 2-in-1 from final concentrations: the worked example of 2000 mL of 4.25 % AA
# and 15 % DEX over 24 hours with 250 mL of 20 % emulsion over 12 hours at 70 kg, its
# reviews and indicator, the unit buttons, the report, and the keys it stores.
# also: qt
set TPN RVF integer 0
open 7
choose choice 0
choose choice 1
dump
type aa "4.25"
type dex "15"
click deliveryUnit
type delivery "2000"
click emulsion
click lipidUnit
click lipidUnit
click lipidUnit
click lipidUnit
type lipid "250"
type lipidHours "12"
click weightUnit
click weightUnit
type weight "70"
tick
dump
tab 1
dump
tab 0
# the time unit button does nothing on this page
click timeUnit
click aaUnit
dump
click aaUnit
click aaUnit
click aaUnit
click aaUnit
save
save
log
ok
get TPN AP number
get TPN RIU integer
get TPN LB integer
get TPN LIU integer
get TPN WD number
get TPN WU integer
get TPN Reviews integer
get TPN LKPG number
