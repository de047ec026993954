# Fractional excretion of sodium and the renal failure index: first run, the worked
# example, the published check, spins below zero, the report saved twice, and the inputs
# kept by OK and by the close control but not by Cancel.
# also: qt
open 21
dump
save
log
# PNa 140, UNa 20, PCr 2.0, UCr 100: FENa 0.3 %, RFI 0.4
type pn "140"
type un "20"
type pc "2.0"
type uc "100"
dump
# UNa 20, PCr 1.0, PNa 140, UCr 14.29: FENa 1.0 %
type pc "1.0"
type uc "14.29"
dump
save
save
log
# spins step by one, below zero too
spin un down
dump
spin un up
spin pc down
spin pc down
dump
ok
get FES PN number
get FES UN number
get FES PC number
get FES UC number
dopen 21
dump
type un "40"
cancel
get FES UN number
dopen 21
type un "60"
close
get FES UN number
