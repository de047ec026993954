# The log command when the log file's path names a folder: an error line, and the
# script goes on to its end.
# also: qt
# exit: 1
set SaveOp FN text "."
open 20
close
log
get SaveOp FN text
