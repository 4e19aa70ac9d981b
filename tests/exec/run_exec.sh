#!/usr/bin/env bash
# Compiles C test programs with tarvelcc, runs them with tarvelsim --dump and
# compares the globals with the program's expectations:
#   // EXPECT: name = value        a line "name = value" must be in the dump
#   // EXPECT: name[2] = value     an array element
#   // EXPECT: a = 1, b[0] = -2    several values on one line
#   // EXPECT-LINE: 10 2A          a whole line of the simulator's output
#                                  (the OUTPUT trace writes "port value")
#   // SIM-ARGS: --irq-every 40    extra simulator options; %S stands for
#                                  the folder of the program
#   // EXPECT-STATUS: 3            the simulator's exit status (default 0)
# Text after the value of an EXPECT line is a comment.
# A program without EXPECT lines only has to run to its normal end.
#
# use: run_exec.sh [--any-end] TARVELCC TARVELSIM PROGRAM.c...
# --any-end (for the examples, which may be firmware that never returns):
# a run that reaches the step limit of 1000000 counts as well.
# Prints one line per failing program and a closing "N passed, N failed".
set -u
any_end=0
if [ "${1:-}" = --any-end ]; then
  any_end=1
  shift
fi
cc=$1 sim=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0 failed=0

# check_one FILE: prints the reasons of a failure, returns non-zero then.
check_one() {
  local src=$1 name
  name=$(basename "$src" .c)
  if ! "$cc" "$src" >"$work/$name.psm" 2>"$work/$name.err"; then
    echo "compile error: $(head -3 "$work/$name.err")"
    return 1
  fi
  local args status want_status
  args=$(sed -n 's|^.*// SIM-ARGS:\(.*\)$|\1|p' "$src" | head -1)
  args=${args//%S/$(dirname "$src")}
  want_status=$(sed -n 's|^.*// EXPECT-STATUS: *\([0-9]*\).*$|\1|p' "$src" | head -1)
  [ $any_end = 1 ] && args="--steps 1000000 $args"
  # shellcheck disable=SC2086
  "$sim" --dump $args "$work/$name.psm" >"$work/$name.out" 2>"$work/$name.simerr"
  status=$?
  [ $any_end = 1 ] && [ -z "$want_status" ] && [ $status = 4 ] && status=0
  if [ "$status" != "${want_status:-0}" ]; then
    echo "simulator status $status, expected ${want_status:-0}: $(head -2 "$work/$name.simerr")"
    return 1
  fi
  local bad=0 line key got
  while IFS= read -r line; do
    if ! grep -qxF -- "$line" "$work/$name.out"; then
      key=${line%% = *}
      got=$(grep -F -- "$key = " "$work/$name.out" | grep -m1 "^$(printf '%s' "$key" | sed 's/[][]/\\&/g') = ")
      echo "expected '$line', got '${got:-nothing}'"
      bad=1
    fi
  done < <(sed -n 's|^.*// EXPECT-LINE: *\(.*[^ ]\) *$|\1|p' "$src"
           awk '!sub(/^.*\/\/ EXPECT: */, "") { next }
                { while (match($0, /^[A-Za-z_][A-Za-z0-9_]*(\[[0-9]+\])? *= *-?[0-9]+/)) {
                    item = substr($0, 1, RLENGTH); sub(/ *= */, " = ", item); print item
                    $0 = substr($0, RLENGTH + 1); if (!sub(/^ *, */, "")) break } }' "$src")
  return $bad
}

for src in "$@"; do
  if msg=$(check_one "$src"); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL $src"
    echo "$msg" | sed 's/^/    /'
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
