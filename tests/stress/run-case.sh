#!/bin/bash
# Runs one stress case: generates the source, compiles it and checks that the
# run ended the way it must.
#
# usage: run-case.sh GEN.PY COMPILER CASE STATUS [DIAGNOSTIC [MIN_OUTPUT_BYTES]]
#   STATUS       the exit status expected (0 or 1)
#   DIAGNOSTIC   text the one diagnostic line must contain ("" for any)
#   MIN_OUTPUT   the output must be at least this many bytes
# A run that succeeds prints nothing on stderr; a failed one prints exactly
# one line.  The time limit is the test's TIMEOUT.
set -uo pipefail
gen=$1 compiler=$2 case=$3 want=$4 diag=${5-} min_out=${6:-0}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$gen" "$case" "$work/$case.c" || { echo "generator failed"; exit 1; }
"$compiler" "$work/$case.c" > "$work/out.s" 2> "$work/err"
status=$?
lines=$(wc -l < "$work/err")
bytes=$(stat -c %s "$work/out.s")
echo "$case: status $status, $lines diagnostic line(s), $bytes output bytes"
head -c 2000 "$work/err"

fail=0
[ "$status" -eq "$want" ] || { echo "FAIL: status $status, expected $want"; fail=1; }
if [ "$want" -eq 0 ]; then
  [ "$lines" -eq 0 ] && [ ! -s "$work/err" ] || { echo "FAIL: stderr not empty"; fail=1; }
else
  [ "$lines" -eq 1 ] || { echo "FAIL: $lines diagnostic lines, expected 1"; fail=1; }
  # a diagnostic line ends with its newline: nothing may follow it
  [ "$(tail -c 1 "$work/err" | od -An -c | tr -d ' ')" = '\n' ] || { echo "FAIL: diagnostic not one whole line"; fail=1; }
  if [ -n "$diag" ] && ! grep -qF -- "$diag" "$work/err"; then
    echo "FAIL: diagnostic does not contain: $diag"; fail=1
  fi
fi
[ "$bytes" -ge "$min_out" ] || { echo "FAIL: output $bytes bytes, expected at least $min_out"; fail=1; }
exit $fail
