#!/usr/bin/env bash
# The random-program check: generates COUNT programs from SEED and runs them
# through run_exec.sh. A failing program is kept in KEEPDIR for a rerun.
#
# use: run_random.sh TARVELCC TARVELSIM RANDPROG SEED COUNT KEEPDIR
set -u
cc=$1 sim=$2 gen=$3 seed=$4 count=$5 keep=$6
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$gen" "$seed" "$count" "$work" || exit 1
out=$(bash "$here/run_exec.sh" "$cc" "$sim" "$work"/rand_*.c)
status=$?
echo "$out"
if [ $status -ne 0 ]; then
  mkdir -p "$keep"
  for f in $(echo "$out" | sed -n 's|^FAIL ||p'); do cp "$f" "$keep/"; done
  echo "failing programs copied to $keep"
fi
exit $status
