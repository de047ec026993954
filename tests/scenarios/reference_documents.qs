# Every reference document: the six reference-only tools, and every reference tab of
# every sheet, each showing its document's title and heading.
# also: qt
open 4
dump
ok
open 14
dump
ok
open 15
dump
ok
open 16
dump
ok
open 17
dump
ok
open 18
dump
ok
open 0
tab 1
dump
ok
open 1
tab 1
dump
ok
open 2
tab 1
dump
ok
open 5
tab 2
dump
ok
open 6
tab 2
dump
ok
open 7
choose choice 1
tab 2
dump
tab 3
dump
tab 4
dump
ok
open 8
tab 2
dump
ok
open 9
tab 1
dump
tab 2
dump
tab 3
dump
tab 4
dump
tab 5
dump
ok
open 10
tab 1
dump
ok
open 11
tab 1
dump
ok
open 12
tab 1
dump
ok
open 13
tab 1
dump
ok
open 19
tab 1
dump
ok
open 20
tab 1
dump
ok
open 21
tab 1
dump
ok
open 22
tab 1
dump
ok
open 23
tab 1
dump
ok
open 24
tab 1
dump
tab 2
dump
tab 3
dump
ok
open 25
tab 1
dump
ok
open 26
tab 1
dump
ok
