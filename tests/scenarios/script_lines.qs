# A carriage return inside a line is a blank: a script saved with other line ends, or
# pasted from elsewhere, may hold one anywhere. The transcript shows it as a space.
# also: qt
setAGap NA number 140

# a comment after a carriage return
get AGapNA number
open20
typena"141"
type k	"4"
ok
get AGap NA number
getAGapKnumber
