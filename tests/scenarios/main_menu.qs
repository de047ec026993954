# The main window's menu: "Open Results Log" says plainly when there is no log yet, and
# shows the log once a report made it; "Save Options..." opens the save options.
# also: qt
command openLog
open 20
save
ok
command openLog
command saveOptions
dump
click comment
ok
get SaveOp PC integer
command quit
# exit: 1
