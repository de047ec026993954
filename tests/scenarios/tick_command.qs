# tick: a page without timers takes ticks and changes nothing; a count that is not a
# whole number of at least 0, or a second argument, is refused.
# also: qt
# exit: 1
open 20
tick
tick 0
tick 2
dump
tick x
tick -1
tick 1 2
ok
