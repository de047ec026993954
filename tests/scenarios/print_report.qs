# "Print..." prints exactly the report "Save" would write, and writes nothing to the log;
# without a backend that draws, the script's pdf command shows that report. A box that
# cannot be read stops it as it stops a report. (Headless only: with --qt the command
# writes a PDF, checked by the drawn-file tests.) A page without a report has no print.
# exit: 1
open 20
type na "140"
type k "4"
type cl "104"
type hco3 "24"
pdf anion-gap.pdf
log
type na "14O"
pdf anion-gap.pdf
type na "141"
pdf anion-gap.pdf
save
log
ok
open 11
type age "8"
type weight "25"
type stature "128"
pdf child.pdf
ok
open 12
pdf conversions.pdf
ok
