# The growth tools' "Chart" tab: the percentile curves of the chosen chart for the child's
# sex, the child's point in the page's units, both ages with gestational correction, and
# a note instead of a point outside the chart.
# also: qt
open 10
click ageUnit
type age "12"
type weight "9"
type length "74"
tab 2
dump
chart chart.png
choose chart 2
dump
# born at 32 weeks, 3 months old: the chronological and the corrected age
tab 0
type age "3"
click gestation
type term "32"
click use
ok
tab 2
choose chart 0
dump
# a girl in pounds and inches, shown in years
tab 0
click sex
click weightUnit
click lengthUnit
click ageUnit
type age "0.5"
type weight "16"
type length "26"
tab 2
choose chart 1
dump
# beyond 36 months: the curves and a note
tab 0
type age "4"
tab 2
dump
ok
open 11
type age "8"
type weight "25"
type stature "128"
tab 2
choose chart 3
dump
choose chart 1
dump
cancel
