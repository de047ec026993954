# Pediatric enteral calculator on the shipped stock list: 600 mL of a 0.67 kcal/mL term
# formula for a 3500 g infant (3.5 kg in every per-kg row), at full strength, "2:1"
# (268 kcal) and "1:1" (osmolality 300 shows 150); 24 hours are 1440 minutes; the
# weight unit steps kg, lbs, g; the report; a new pediatric formula gets 100 mL servings.
# also: qt
set ENTPEDSD EF integer 7
set ENTPEDSD WU integer 2
set ENTPEDSD W number 3500
set ENTPEDSD D1 number 600
open 6
dump
choose dilution 3
dump
choose dilution 4
dump
save
log
click weightUnit
click weightUnit
click weightUnit
dump
tab 3
type newName "Clinic Mix"
click create
tab 1
dump
cell values 1 1
type valueEdit "0.8"
answer yes
tab 0
dump
close
get ENTPEDSD WU integer
get ENTPEDSD EF integer
