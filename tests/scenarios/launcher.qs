# The main window: the list of tools, what opens a tool, every tool's window, and the
# banner's version message.
# also: qt
dump
# the first row is already selected: a tap opens nothing, a double tap opens it
open 0
dopen 0
dump
tab 1
dump
ok
# a reference-only tool
open 14
dump
ok
# still selected: tapping it again opens nothing
open 14
open 4
dump
ok
open 15
ok
open 16
ok
open 17
ok
open 18
ok
open 1
dump
ok
open 2
ok
open 3
dump
ok
open 5
dump
tab 2
dump
ok
open 6
ok
open 7
dump
choose choice 1
dump
tab 1
dump
ok
open 8
ok
open 9
dump
ok
open 10
ok
open 11
ok
open 12
ok
open 13
ok
open 19
ok
open 20
ok
open 21
ok
open 22
ok
open 23
ok
open 24
dump
ok
open 25
ok
open 26
ok
click banner
# a double tap on a row that is not selected opens its tool once
dopen 22
ok
dump
