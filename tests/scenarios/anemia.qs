# Anemia lab values: a first run with a zero hematocrit shows "---", the worked cases,
# no menu bar (the dump shows none), and the inputs kept on OK and on Cancel. The red cell
# count is in million/uL, TIBC and serum iron in ug/dL; the MCV reads in fL and the
# transferrin result is a saturation in percent.
# also: qt
open 24
dump
type hct "36"
type hgb "12"
type rbc "4.5"
type hct2 "40"
type tibc "300"
type sil "90"
dump
# a zero divisor: no finite value
type tibc "0"
dump
type tibc "300"
cancel
get AA HCT number
get AA HGB number
get AA RBC number
get AA HCT2 number
get AA TIBC number
get AA SIL number
dopen 24
dump
tab 2
dump
tab 3
dump
ok
