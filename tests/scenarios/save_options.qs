# Save options: the dialog, the IBW method, the comment prompt, overwrite, another log
# file chosen with Browse..., and a log file that cannot be opened.
# also: qt
open 20
options
dump
click ibw
dump
click robinson
ok
dump
click overwrite
click comment
ok
get SaveOp AA integer
get SaveOp OW integer
get SaveOp IH integer
get SaveOp IR integer
get SaveOp PC integer
get SaveOp FN text
get SaveOp IM integer
type na "140"
save
cancel
type na "141"
save
type comment "Bed 12: Mrs. Example\nrecheck in the morning"
ok
log
# always show the options: Cancel there still writes the report
options
click always
click comment
ok
type na "142"
save
cancel
log
# Browse... picks another file; the old log becomes the header copied at its top
options
filename "other.txt"
click browse
filename "Documents/QuillionLog.txt"
click headerBrowse
click header
click overwrite
dump
ok
type na "150"
save
cancel
log
cancel
get SaveOp FN text
get SaveOp HF text
get SaveOp IH integer
dopen 20
# a log file in a folder that does not exist: the message, and the page stays unsaved,
# so the report can be saved once another file is chosen
options
filename "no-such-folder/log.txt"
click browse
click always
click header
ok
type na "143"
save
save
options
filename "Documents/QuillionLog.txt"
click browse
ok
save
save
log
ok
