# Mifflin-St.Jeor: the same page with its own section, equation and report title; the
# worked examples for a man and a woman, a zero weight, the IBW method taken from the
# save options, the user-defined stress row shared with the Harris-Benedict tool, and the
# inputs kept for the next opening.
# also: qt
dopen 0
dump
save
save
log
# male, 35 years, 180 cm, 80 kg: REE = 9.99 x 80 + 6.25 x 180 - 4.92 x 35 + 5 = 1757
type height "180"
type weight "80"
click weightUnit
dump
click sex
dump
click sex
choose activity 5
dump
# Devine instead of the standard desirable weight
options
click ibw
click devine
ok
ok
type age "36"
dump
# no weight: the figures that divide by it show ---
type weight "0"
dump
type weight "80"
# the user-defined stress row, edited here and chosen
click stress
cell stress 0 4
type cellEdit "1.6"
cell stress 0 0
ok
save
save
log
ok
get REE IFPMax number
get REE Stress integer
get REE Activity integer
# the Harris-Benedict tool loads the row from its own keys, replacing these values
set BEE IFPMax number 2.2
dopen 1
click stress
dump
cancel
cancel
dopen 0
dump
# a double tap on a row chooses it, as OK does
click stress
dcell stress 7 0
dump
# an amputation of 100 % leaves no desirable weight: the percentage of it shows ---
answer no
choose amputation 0
type amputationPercent "100"
dump
# an age outside 0 to 130 is asked for again, and computed with
type age "131"
dump
close
