#!/bin/bash
# Replays inputs (files or folders, e.g. the fuzz corpus) through the real
# compiler binary and checks what the fuzz target cannot see: the exit status
# is 0, 1 or 2; a status-0 run prints nothing on stderr; a status-1 run prints
# exactly one whole line there; status 2 goes with "Error at operator input"
# alone (no line feed); no run takes longer than 5 seconds.
#
# usage: replay.sh COMPILER INPUT...
# Prints every offending input; exits 1 if there was any.
set -uo pipefail
compiler=$1
shift
err=$(mktemp)
trap 'rm -f "$err"' EXIT
bad=0
total=0
while IFS= read -r -d '' f; do
  total=$((total + 1))
  timeout 5 "$compiler" "$f" > /dev/null 2> "$err" < /dev/null
  status=$?
  lines=$(wc -l < "$err")
  bytes=$(stat -c %s "$err")
  problem=
  if [ "$status" -eq 124 ]; then problem="timed out"
  elif [ "$status" -gt 2 ]; then problem="status $status"
  elif [ "$status" -eq 0 ] && [ "$bytes" -ne 0 ]; then problem="status 0 with stderr output"
  elif [ "$status" -eq 2 ]; then
    # the one message written without position and without a line feed
    [ "$(cat "$err")" = "Error at operator input" ] && [ "$lines" -eq 0 ] || problem="status 2 with other text"
  elif [ "$status" -ne 0 ] && [ "$lines" -ne 1 ]; then problem="$lines diagnostic lines"
  elif [ "$status" -ne 0 ] && [ "$(tail -c 1 "$err" | od -An -tx1 | tr -d ' ')" != 0a ]; then
    problem="diagnostic does not end the line"
  fi
  if [ -n "$problem" ]; then
    bad=$((bad + 1))
    echo "$f: $problem"
    head -c 1000 "$err"
  fi
done < <(find "$@" -type f -print0)
echo "$total inputs replayed, $bad with problems"
[ "$bad" -eq 0 ]
