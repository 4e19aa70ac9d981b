#!/usr/bin/env bash
# The command line and the I/O faults around a translation: usage, standard
# input, unreadable and odd input files, output that cannot be written, and
# outputs too large for a golden file.  Each fault must end with status 1
# and exactly one diagnostic line.
# use: commands.sh TARVELCC
set -u
cc=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# expect STATUS STDERR-PATTERN COMMAND...: runs the command (through bash, so
# it may redirect); stderr must be one line matching the pattern (an empty
# pattern: no stderr at all).
expect() {
  local want=$1 pattern=$2 status
  shift 2
  bash -c "$*" >"$work/out" 2>"$work/err"
  status=$?
  if [ "$status" != "$want" ] || { [ -z "$pattern" ] && [ -s "$work/err" ]; } ||
     { [ -n "$pattern" ] && ! { [ "$(wc -l <"$work/err")" = 1 ] && grep -qE -- "$pattern" "$work/err"; }; }; then
    echo "FAIL: $* -> status $status, stderr: $(head -c 300 "$work/err")"
    failed=1
  fi
}

printf 'int g;\nvoid main() { g = 1; }\n' >"$work/ok.c"
printf 'void main() { x = 1; }\n' >"$work/bad one.c"
expect 0 '' "'$cc' | head -1 | grep -qx 'C compiler for ZEFO Tarvel platform'"
expect 0 '' "'$cc' - < '$work/ok.c' | grep -q 'CALL    _main'"
expect 0 '' "'$cc' '$work/bad one.c' 2>/dev/null; cp '$work/ok.c' '$work/a b.c'; '$cc' '$work/a b.c' | grep -q _main"
expect 1 "^$work/bad one.c:1: var or const \"x\" is not declared\$" "'$cc' '$work/bad one.c' >/dev/null"
expect 1 "^$work/bad one.c:1: var or const \"x\" is not declared\$" "'$cc' '$work/bad one.c' >&-"
expect 1 '^input file .*/missing.c not fined $' "'$cc' '$work/missing.c'"
expect 1 "^input file $work not fined \$" "'$cc' '$work'"
expect 1 '^input file - not fined $' "'$cc' - < '$work'"
expect 1 '^input file no\?such.c not fined $' "'$cc' \"\$(printf 'no\\nsuch.c')\""
# A 4,000-character name shows as its first 512 characters: 11 + 512 + 11.
expect 0 '' "'$cc' '$work/$(printf 'n%.0s' $(seq 4000)).c' 2>&1 | awk 'END { exit !(NR == 1 && length == 534) }'"
expect 1 '^/dev/zero:0: input is larger than 512 MB$' "'$cc' /dev/zero >/dev/null"
for sink in '>&-' '>/dev/full'; do
  expect 1 '^.*ok.c:[0-9]+: cannot write the output$' "'$cc' '$work/ok.c' $sink"
  expect 1 '^.*tarvelcc: cannot write the output$' "'$cc' $sink"
done
# A zero byte ends its line, a byte FF the whole input, in a comment too.
expect 0 '' "printf 'int g; \\0 junk\\nvoid main() { g = 1; }\\n' | '$cc' - | grep -q _main"
expect 1 'expected ;, but on input is konec souboru' "printf 'int g /* \\377 */ ;' | '$cc' - >/dev/null"
expect 0 '' "printf 'void main() { }\\n\\377 ;;; junk' | '$cc' - | grep -q _main"
if [ "$(id -u)" -ne 0 ]; then
  cp "$work/ok.c" "$work/locked.c" && chmod 000 "$work/locked.c"
  expect 1 '^input file .*locked.c not fined $' "'$cc' '$work/locked.c'"
fi

# A sum of 1000 terms: each comment line spells out the whole left operand,
# so the output grows quadratically (about 3 MB); a full disk midway is
# still one diagnostic.
{ echo 'char a;'; echo 'void main() { a = a'; for i in $(seq 999); do echo '+a'; done; echo '; }'; } >"$work/sum.c"
expect 0 '' "'$cc' '$work/sum.c' | awk '/ plus a\$/ { n++; len = length } END { exit !(n == 999 && len == 6006) }'"
expect 1 '^.*sum.c:[0-9]+: cannot write the output$' "'$cc' '$work/sum.c' >/dev/full"
# Increments nested eight deep copy their targets 2^8 times, and compile.
echo 'int a[4]; void main() { ++a[++a[++a[++a[++a[++a[++a[++a[0]]]]]]]]; }' >"$work/nested.c"
expect 0 '' "'$cc' '$work/nested.c' | grep -q 'prefix plus'"
exit $failed
