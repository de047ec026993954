# Parenteral 2-in-1 from kcal and protein targets: the empty store, ProVol rounded down
# and up, the protein units, an amino acid concentration of 0 (no volume: "---"), and
# the report with its rounding line.
# also: qt
open 7
ok
choose choice 2
dump
click round
dump
click roundDirection
dump
save
log
click roundDirection
type aa "0"
dump
type aa "10"
type protein "0.05"
click proteinUnit
click kcalUnit
type kcal "1800"
click round
dump
save
log
ok
get TPN RNDUP integer
get TPN RNDUPDIR integer
get TPN PU integer
get TPN KU integer
