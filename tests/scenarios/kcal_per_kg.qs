# Kcal per kg: the first run, the worked examples in kcal and kilojoules, per kg and per
# lb, the MAW check box (energy changes, BMI and percentage of desirable weight do not),
# the protein factor list with its custom hint answered No, saving twice, and the inputs
# kept for the next opening.
# also: qt
open 3
dump
save
save
log
# 70 kg male, 175 cm, 30 to 35 kcal per kg: 2100 to 2450
type height "175"
type weight "70"
click weightUnit
dump
# kilojoules 125 to 146 per kg: 8750 to 10220, about 2091 to 2443 kcal
click energyUnit
type energyMin "125"
type energyMax "146"
dump
# per lb, 14 kcal: 14 x 70 x 2.2046226703567156 = 2161, about 30.9 per kg
click energyUnit
click perUnit
type energyMin "14"
type energyMax "16"
dump
click perUnit
type energyMin "30"
type energyMax "35"
# far above 125 % of the desirable weight: MAW changes the energy but not BMI or DBW %
type weight "120"
dump
click maw
click quarter
ok
dump
choose protein 6
answer no
choose protein 0
choose protein 0
type proteinMax "1.7"
click sex
dump
save
save
log
ok
get KCKG KOJU integer
get KCKG KPEU integer
get KCKG MAW integer
get KCKG MAWFM number
get KCKG PFL integer
get KCKG ProFMax number
get KCKG SCH integer
dopen 3
dump
close
