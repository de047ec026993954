#!/usr/bin/env bash
# `make fuzz SECONDS=N`: builds the fuzz preset's harnesses and runs each for N seconds
# with one worker, starting from a copy of its seed corpus (tests/fuzz/corpus/NAME), so
# the inputs a run adds stay under build/fuzz/findings/NAME and the seeds are untouched.
# Prints one row per harness: executions, executions per second, coverage (edges) and
# features, and how many crashing inputs it wrote. Exits non-zero when any harness found
# a crash or an invariant that failed. Names after the two numbers run only those harnesses.
set -euo pipefail
seconds=${1:-60}
jobs=${2:-1}
shift $(( $# < 2 ? $# : 2 ))
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" >/dev/null
harnesses=$(sed -n '/^set(QUILLION_FUZZ_HARNESSES/,/)/p' tests/fuzz/CMakeLists.txt |
            sed -e 's/set(QUILLION_FUZZ_HARNESSES//' -e 's/)//' | tr -s ' \n' '\n' | grep -v '^$')
[ $# -eq 0 ] || harnesses="$*"
findings=build/fuzz/findings
printf '%-20s %12s %10s %8s %8s %8s\n' harness executions exec/s cov ft crashes
failed=0
total=0
for name in $harnesses; do
  work=$findings/$name
  mkdir -p "$work/corpus" "$work/crashes"
  cp -n tests/fuzz/corpus/$name/* "$work/corpus/" 2>/dev/null || true
  log=$work/run.log
  # One job in one worker; the job's own output goes to fuzz-0.log in its folder.
  (cd "$work" && "$root/build/fuzz/tests/fuzz/fuzz_$name" -max_total_time="$seconds" \
     -workers=1 -jobs=1 -print_final_stats=1 -artifact_prefix="crashes/" \
     corpus >/dev/null 2>&1) || true
  cp "$work/fuzz-0.log" "$log" 2>/dev/null || : >"$log"
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
  rate=$(( ${runs:-0} / seconds ))
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
  crashes=$(find "$work/crashes" -type f | wc -l)
  printf '%-20s %12s %10s %8s %8s %8s\n' "$name" "${runs:-?}" "${rate:-?}" "${cov:-?}" "${ft:-?}" "$crashes"
  total=$((total + ${runs:-0}))
  [ "$crashes" -eq 0 ] && [ -n "$runs" ] || failed=1
done
printf '%-20s %12s\n' total "$total"
[ $failed -eq 0 ] || { echo "A harness crashed, failed an invariant or did not run: see $findings/*/run.log" >&2; exit 1; }
