#!/usr/bin/env bash
# The random equivalence check: generates COUNT programs from SEED and runs
# each plainly compiled and optimized (equiv.sh). Failing programs are kept
# in KEEPDIR for a rerun.
#
# use: random.sh TARVELCC TARVELSIM TARVELOPT RANDPROG SEED COUNT KEEPDIR
set -u
cc=$1 sim=$2 opt=$3 gen=$4 seed=$5 count=$6 keep=$7
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$gen" "$seed" "$count" "$work" || exit 1
out=$(bash "$here/equiv.sh" "$cc" "$sim" "$opt" "$work"/rand_*.c)
status=$?
echo "$out" | tail -20
if [ $status -ne 0 ]; then
  mkdir -p "$keep"
  for f in $(echo "$out" | sed -n 's|^FAIL \([^:]*\):.*|\1|p'); do cp "$f" "$keep/"; done
  echo "failing programs copied to $keep"
fi
exit $status
