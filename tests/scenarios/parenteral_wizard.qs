# The parenteral wizard: Cancel and < Back in each dialog, every path to a page, < Back
# from each page, and the shared "TPN" keys carrying values from one page to the next.
# also: qt
open 7
dump
cancel
dump
# < Back in the first dialog also ends the tool
dopen 7
back
dump
# < Back in the second dialog returns to the first; Cancel there ends the tool
dopen 7
choose choice 0
dump
back
dump
ok
cancel
dump
# Next > with each choice; < Back on a 2-in-1 page reopens the 2-in-1 dialog
dopen 7
ok
ok
dump
type weight "70"
type aa "8"
type dex "20"
back
dump
choose choice 1
dump
back
choose choice 2
dump
back
dump
# < Back on the custom mix page reopens the first dialog
back
choose choice 1
dump
type weight "65"
back
dump
get TPN WD number
get TPN AP number
get TPN DP number
# the page closed by OK ends the wizard
choose choice 1
ok
dump
