# Every page of every tool, at the scale the test gives (QT_SCALE_FACTOR=2), fits its
# window's width: nothing to scroll sideways.
dopen 0
fits
tab 1
fits
ok
dopen 1
fits
tab 1
fits
ok
dopen 2
fits
tab 1
fits
ok
dopen 3
fits
ok
dopen 5
fits
tab 1
fits
tab 2
fits
tab 3
fits
ok
dopen 6
fits
tab 1
fits
tab 2
fits
tab 3
fits
ok
dopen 8
fits
tab 1
fits
tab 2
fits
ok
dopen 9
fits
tab 1
fits
tab 2
fits
tab 3
fits
tab 4
fits
tab 5
fits
ok
dopen 10
fits
tab 1
fits
tab 2
fits
ok
dopen 11
fits
tab 1
fits
tab 2
fits
ok
dopen 12
fits
tab 1
fits
ok
dopen 13
fits
tab 1
fits
ok
dopen 19
fits
tab 1
fits
ok
dopen 20
fits
tab 1
fits
ok
dopen 21
fits
tab 1
fits
ok
dopen 22
fits
tab 1
fits
ok
dopen 23
fits
tab 1
fits
ok
dopen 24
fits
tab 1
fits
tab 2
fits
tab 3
fits
ok
dopen 25
fits
tab 1
fits
ok
dopen 26
fits
tab 1
fits
ok
dopen 7
choose choice 0
choose choice 0
fits
ok
dopen 7
choose choice 0
choose choice 1
fits
ok
dopen 7
choose choice 0
choose choice 2
fits
ok
dopen 7
choose choice 1
fits
ok
