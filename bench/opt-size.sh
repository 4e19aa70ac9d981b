#!/usr/bin/env bash
# Program size and speed of the optimizer's output: program words and
# executed instructions of every example and of 1000 random programs,
# plain against optimized, with totals and ratios, as a Markdown table.
# Examples that run for ever (firmware loops) count words only.
#
# use: bench/opt-size.sh [BUILD_DIR] [COUNT] [SEED]   (run from anywhere)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
count=${2:-1000}
seed=${3:-1}
cc=$build/tarvelcc sim=$build/tarvelsim opt=$build/opt/tarvelopt
gen=$build/opt/tests/tarvelopt_randprog
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Instruction words: every line that is an instruction, not a comment,
# label or directive.
words() {
  grep -vE '^\s*;' "$1" | grep -E '^\s+[A-Za-z]+' | grep -cviE '^\s+(CONSTANT|NAMEREG|ADDRESS)\b'
}
# Executed instructions of a run that ends by itself, or "-".
steps() {
  local out
  out=$("$sim" --dump --steps 1000000 "$1" 2>/dev/null) || { echo -; return; }
  echo "$out" | sed -n 's/^pc=[0-9A-F]* steps=\([0-9]*\).*/\1/p'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a > 0) printf "%.2f", b / a; else printf "-" }'; }

# measure SRC: "words_plain words_opt steps_plain steps_opt"
measure() {
  "$cc" "$1" >"$work/a.psm" 2>/dev/null || return 1
  "$opt" <"$work/a.psm" >"$work/b.psm" || return 1
  echo "$(words "$work/a.psm") $(words "$work/b.psm") $(steps "$work/a.psm") $(steps "$work/b.psm")"
}

echo "| program | words | words -O | ratio | instructions | instructions -O | ratio |"
echo "|---|---|---|---|---|---|---|"
tw=0 two=0 ts=0 tso=0
for src in "$root"/examples/*.c; do
  read -r w wo s so < <(measure "$src")
  echo "| $(basename "$src") | $w | $wo | $(ratio "$w" "$wo") | $s | $so | $( [ "$s" = - ] && echo - || ratio "$s" "$so") |"
  tw=$((tw + w)) two=$((two + wo))
  if [ "$s" != - ] && [ "$so" != - ]; then ts=$((ts + s)) tso=$((tso + so)); fi
done
echo "| **examples** | $tw | $two | $(ratio $tw $two) | $ts | $tso | $(ratio $ts $tso) |"

"$gen" "$seed" "$count" "$work" || exit 1
rw=0 rwo=0 rs=0 rso=0
for src in "$work"/rand_*.c; do
  read -r w wo s so < <(measure "$src") || continue
  rw=$((rw + w)) rwo=$((rwo + wo))
  if [ "$s" != - ] && [ "$so" != - ]; then rs=$((rs + s)) rso=$((rso + so)); fi
done
echo "| **$count random programs** | $rw | $rwo | $(ratio $rw $rwo) | $rs | $rso | $(ratio $rs $rso) |"
