# Parenteral 2-in-1 from initial stock solutions: a time stored in days, the time button
# that returns to hours, stock volumes in litres, a delivery volume over the time, unit
# codes stored out of range, and the report.
# also: qt
set TPN RTIU integer 1
set TPN RTI number 2
set TPN APU integer 9
set TPN LB integer -1
open 7
ok
ok
dump
click timeUnit
dump
type time "24"
type aaVolume "1"
click aaVolumeUnit
type dexVolume "0"
click deliveryUnit
type delivery "1000"
type lipidHours "0.1"
dump
click dexVolumeUnit
click aaUnit
click aaUnit
type aa "50"
click lipidUnit
click emulsion
click emulsion
click emulsion
type lipidHours "12"
type lipid "1"
click weightUnit
dump
save
log
ok
get TPN RTIU integer
get TPN APU integer
get TPN AAU integer
get TPN LIU integer
