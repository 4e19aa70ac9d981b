#!/bin/bash
# Replays inputs (files or folders, e.g. the fuzz corpus) through the real
# compiler binary and checks what the fuzz target cannot see: a status-0 run
# prints nothing on stderr, a status-1 run exactly one whole line, status 2
# goes with "Error at operator input" alone (no line feed), no other status,
# and no run takes longer than 5 seconds.
#
# usage: replay.sh COMPILER INPUT...
# Prints every offending input; exits 1 if there was any.
set -uo pipefail
compiler=$1
shift
err=$(mktemp)
trap 'rm -f "$err"' EXIT
bad=0 total=0
while IFS= read -r -d '' f; do
  total=$((total + 1))
  timeout 5 "$compiler" "$f" > /dev/null 2> "$err" < /dev/null
  status=$?
  case $status in
    0) [ ! -s "$err" ] ;;
    1) [ "$(wc -l < "$err")" -eq 1 ] && [ "$(tail -c 1 "$err" | od -An -tx1 | tr -d ' ')" = 0a ] ;;
    2) [ "$(cat "$err")" = "Error at operator input" ] && [ "$(wc -l < "$err")" -eq 0 ] ;;
    *) false ;;
  esac || {
    bad=$((bad + 1))
    echo "$f: status $status$([ $status = 124 ] && echo ', timed out'), stderr:"
    head -c 1000 "$err"
  }
done < <(find "$@" -type f -print0)
echo "$total inputs replayed, $bad with problems"
[ "$bad" -eq 0 ]
