# Nitrogen balance: first run, the worked case, a collection span replaced by 1 hour,
# the report and the stored inputs.
# also: qt
open 13
dump
type pro "100"
type uun "12"
dump
type tPro "0.4"
dump
type tPro "0.5"
type tUun "12"
dump
save
save
log
cancel
get NBal Pro number
get NBal tPro number
get NBal UUN number
get NBal tUUN number
dopen 13
dump
ok
