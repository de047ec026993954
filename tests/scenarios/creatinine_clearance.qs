# Creatinine clearance (Cockcroft-Gault): first run, kg and lbs, male and female, the
# report saved twice, and the inputs kept by OK and by Cancel but not by the close control.
# also: qt
open 19
dump
save
log
# 40 years, 70 kg, creatinine 1.0: 97.2, and 82.6 for a woman
type age "40"
click unit
type weight "70"
type sc "1.0"
dump
click sex
dump
# a 60-year-old man of 72 kg with creatinine 1.0: 80 mL/min; a woman 68
click sex
type age "60"
type weight "72"
dump
click sex
dump
# 154 lbs is 69.85 kg; the weight in the box is not converted by the unit button
click sex
type age "40"
click unit
type weight "154"
dump
save
save
log
ok
get GFR Sex integer
get GFR Age number
get GFR Weight number
get GFR WtUnits integer
get GFR SC number
# the next opening shows the stored inputs; Cancel stores too, the close control does not
dopen 19
dump
type sc "2"
cancel
get GFR SC number
dopen 19
type sc "3"
close
get GFR SC number
