# Adult enteral calculator on the shipped stock list: 2400 mL over 24 hours of a
# 1.0 kcal/mL formula; 1500 kcal of a 1.5 kcal/mL formula at a rate over 20 hours; a
# weight of 0 and hours of 0; the report in rate mode; the inputs kept on close.
# also: qt
set ENTD EF integer 7
set ENTD WU integer 0
set ENTD W number 70
open 5
dump
# 1500 kcal at 1.5 kcal/mL (position 0) in rate mode over 20 hours: 1000 mL, 50 mL/hr
choose formula 0
click energyMode
type kcal "1500"
click volumeUnit
type hours "20"
dump
save
log
# no weight: every per-kg row has no value; no hours: no rate
type weight "0"
type hours "0"
dump
click weightUnit
type weight "154.32"
type hours "20"
click energyMode
type volume "100"
dump
close
get ENTD EF integer
get ENTD BK flag
get ENTD D1U integer
get ENTD WU integer
get ENTD V number
get ENTD H number
