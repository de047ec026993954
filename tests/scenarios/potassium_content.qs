# The potassium content page of the renal exchanges sheet: the list of 323 servings, the
# text line for the first row and for a tapped row.
# also: qt
open 8
tab 1
dump
cell foods 322 0
dump
# "Bananas, raw": 594 mg in a cup
cell foods 51 3
dump
