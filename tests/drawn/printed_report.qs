# The anion gap report printed to a PDF.
open 20
type na "140"
type k "4"
type cl "104"
type hco3 "24"
pdf anion-gap.pdf
ok
