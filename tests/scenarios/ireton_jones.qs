# Ireton-Jones: the first run, spontaneous breathing with and without obesity, ventilator
# dependent breathing with burn, trauma and either sex, the weight unit, the protein
# factor list with its custom hint answered No, a zero weight, saving twice, and the
# inputs kept for the next opening.
# also: qt
open 2
dump
save
save
log
# 50 years, 200 lbs: 629 - 550 + 25 x 90.71847200393677 = 2347; obese: 609 less
click obesity
dump
# ventilator dependent, male, 50 years, 80 kg, burn and trauma:
# 1784 - 550 + 400 + 804 + 239 + 244 = 2921
click ventilator
type weight "80"
click weightUnit
click burn
click trauma
dump
click sex
dump
choose protein 9
dump
answer no
choose protein 0
choose protein 0
type proteinMin "1.1"
type proteinMax "1.4"
save
log
type weight "0"
dump
type weight "80"
click spontaneous
save
save
log
ok
get IJ Breathing integer
get IJ Obesity integer
get IJ Burn integer
get IJ PFL integer
get IJ ProFMin number
get IJ SCH integer
dopen 2
dump
cancel
# a stored protein choice picks its factors; one out of range takes the default
set IJ PFL integer 2
set IJ Breathing integer 5
dopen 2
dump
set IJ PFL integer 12
close
dopen 2
dump
close
