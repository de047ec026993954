# Makes the screenshots in docs/. Run from the repository's top folder:
#   ./build/dev/quillion-script --qt --home /tmp/quillion-shots tools/screenshots.qs
screenshot docs/main-window.png
open 20
type na "140"
type k "4"
type cl "104"
type hco3 "24"
screenshot docs/anion-gap.png
tab 1
screenshot docs/reference-anion-gap.png
ok
open 12
choose category 13
type value "100"
screenshot docs/conversions.png
ok
open 14
screenshot docs/reference-lab-values.png
ok
open 1
type height "180"
type weight "176"
choose activity 3
screenshot docs/harris-benedict.png
ok
open 0
type height "165"
type weight "150"
click sex
screenshot docs/mifflin-st-jeor.png
ok
open 2
click ventilator
type weight "165"
click trauma
screenshot docs/ireton-jones.png
ok
open 3
type height "175"
type weight "70"
click weightUnit
screenshot docs/kcal-per-kg.png
ok
open 10
click ageUnit
type age "12"
type weight "9"
type length "74"
type head "45"
screenshot docs/infant-growth.png
ok
open 11
type age "8"
type weight "25"
type stature "128"
screenshot docs/child-growth.png
ok
open 8
choose type 2
click unit
type weight "70"
type mlk "1"
type mt "6"
type str "6"
type fat "4"
type vlk "2"
type flk "2"
type hc "1"
screenshot docs/renal-exchanges.png
tab 1
screenshot docs/potassium-content.png
ok
open 9
type starch "6"
type veg "3"
type fruit "3"
type milk "2"
click milkType
cell types 1 0
ok
type meat "5"
click meatType
cell types 2 0
ok
type fat "4"
screenshot docs/diabetic-exchanges.png
ok
open 19
type age "60"
click unit
type weight "72"
type sc "1.0"
screenshot docs/creatinine-clearance.png
ok
open 21
type pn "140"
type un "20"
type pc "1.0"
type uc "14.29"
screenshot docs/fena.png
ok
open 10
click ageUnit
type age "12"
type weight "9"
type length "74"
type head "45"
tab 2
screenshot docs/infant-chart.png
ok
open 11
type age "8"
type weight "25"
type stature "128"
tab 2
choose chart 3
screenshot docs/child-chart.png
ok
# The printed report: pdftoppm -png -r 60 -singlefile /tmp/quillion-report.pdf docs/printed-report
open 20
type na "140"
type k "4"
type cl "104"
type hco3 "24"
pdf /tmp/quillion-report.pdf
ok
open 7
choose choice 0
choose choice 1
type aa "4.25"
type dex "15"
click deliveryUnit
type delivery "2000"
click emulsion
click lipidUnit
click lipidUnit
click lipidUnit
click lipidUnit
type lipid "250"
type lipidHours "12"
click weightUnit
click weightUnit
type weight "70"
tick
screenshot docs/parenteral.png
ok
set ENTD EF integer 0
open 5
type weight "154"
screenshot docs/enteral.png
ok
open 6
choose formula 7
type weight "3500"
click weightUnit
type volume "600"
screenshot docs/enteral-pediatric.png
ok
