# Parenteral custom mix: the empty store, free fluid, the lipid unit button that skips
# "g/L", the words between volumes and amounts, a lipid percentage outside the emulsion
# bands, stored lipid units 1 and 7, and the report.
# also: qt
open 7
choose choice 1
dump
type fluid "500"
dump
click lipidUnit
dump
click lipidUnit
click lipidUnit
click lipidUnit
type lipid "15"
click aaUnit
click dexUnit
click dexUnit
click fluidUnit
type fluid "0.5"
dump
save
log
ok
set TPN FPU integer 1
dopen 7
choose choice 1
dump
ok
set TPN FPU integer 7
dopen 7
choose choice 1
dump
ok
