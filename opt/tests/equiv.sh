#!/usr/bin/env bash
# Runs C programs compiled plainly and compiled then optimized in tarvelsim
# and requires the same port writes and the same final globals. When the
# plain program ends normally, the optimized one must end normally too.
# The program's "// SIM-ARGS:" line (%S: its folder) is passed to both runs.
#
# use: equiv.sh TARVELCC TARVELSIM TARVELOPT PROGRAM.c...
# Prints one line per failing program and "N equivalent, N failed".
set -u
cc=$1 sim=$2 opt=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The observable part of a run: port writes (before the dump) and globals.
observe() {
  sed -n '/^pc=/,/^globals:/!p; /^globals:/,$p' "$1"
}

same=0 failed=0
for src in "$@"; do
  args=$(sed -n 's|^.*// SIM-ARGS:\(.*\)$|\1|p' "$src" | head -1)
  args=${args//%S/$(dirname "$src")}
  if ! "$cc" "$src" >"$work/a.psm" 2>/dev/null; then
    continue  # not a program: nothing to compare
  fi
  if ! "$opt" <"$work/a.psm" >"$work/b.psm"; then
    echo "FAIL $src: the optimizer failed"; failed=$((failed + 1)); continue
  fi
  # shellcheck disable=SC2086
  "$sim" --dump $args "$work/a.psm" >"$work/a.out" 2>/dev/null; sa=$?
  # shellcheck disable=SC2086
  "$sim" --dump $args "$work/b.psm" >"$work/b.out" 2>"$work/b.err"; sb=$?
  if [ $sa = 0 ] && [ $sb != 0 ]; then
    echo "FAIL $src: optimized run ended with status $sb: $(head -1 "$work/b.err")"
    failed=$((failed + 1)); continue
  fi
  if [ $sa = 0 ] && ! diff <(observe "$work/a.out") <(observe "$work/b.out") >"$work/diff"; then
    echo "FAIL $src: results differ"; sed 's/^/    /' "$work/diff" | head -10
    failed=$((failed + 1)); continue
  fi
  same=$((same + 1))
done
echo "$same equivalent, $failed failed"
[ $failed -eq 0 ]
