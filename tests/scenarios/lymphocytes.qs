# Total lymphocyte count: the worked case, Save twice, the report, and the stored inputs.
# also: qt
open 25
dump
type wbc "8000"
type lym "20"
dump
save
save
log
cancel
get TLC WBC number
get TLC LYM number
dopen 25
dump
ok
