# Both growth charts drawn to a PNG and a PDF file.
open 10
type weight "9"
tab 2
chart infant.png
chart infant.pdf
ok
open 11
tab 2
choose chart 3
chart child.PDF
ok
