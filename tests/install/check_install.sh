#!/bin/sh
# Installs the build tree into a scratch prefix and checks what a user gets
# there: a compiler that runs outside the build tree, and a man page that
# `man` finds, that names this version and that renders without warnings.
#
# usage: check_install.sh CMAKE BUILD_DIR SOURCE_DIR PREFIX VERSION [CONFIG]
set -eu
cmake=$1 build=$2 src=$3 prefix=$4 version=$5 config=${6:-}

fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$prefix"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

if [ -n "$config" ]; then set -- --config "$config"; else set --; fi
"$cmake" --install "$build" --prefix "$prefix" "$@" >install.log 2>&1 ||
  { cat install.log; fail "cmake --install failed"; }

cc=$prefix/bin/tarvelcc
[ -x "$cc" ] || fail "$cc was not installed"

status=0
"$cc" "$src/examples/hello.c" >hello.psm 2>hello.err || status=$?
[ "$status" -eq 0 ] || { cat hello.err; fail "tarvelcc hello.c exited with $status"; }
[ ! -s hello.err ] || { cat hello.err; fail "tarvelcc hello.c wrote diagnostics"; }
grep -q 'CALL    _main' hello.psm || fail "output of hello.c has no 'CALL    _main'"

"$cc" >usage.txt || fail "tarvelcc without arguments did not exit with 0"
grep -qx 'C compiler for ZEFO Tarvel platform' usage.txt || fail "banner missing"

page=$prefix/share/man/man1/tarvelcc.1
[ -f "$page" ] || fail "$page was not installed"
grep -q "^\.TH TARVELCC 1 .*\"tarvelcc $version\"" "$page" ||
  fail "the .TH line of the man page does not name tarvelcc $version"
[ -f "$prefix/share/doc/tarvelcc/language.md" ] || fail "language.md was not installed"

# groff with all warnings on catches roff mistakes that man renders silently.
if command -v groff >/dev/null 2>&1; then
  groff -man -Tutf8 -ww -z "$page" >groff.err 2>&1 || true
  [ ! -s groff.err ] || { cat groff.err; fail "groff warns about the man page"; }
fi
if command -v man >/dev/null 2>&1; then
  MANPATH=$prefix/share/man man -w tarvelcc >where.txt 2>&1 ||
    { cat where.txt; fail "man does not find tarvelcc under $prefix/share/man"; }
  MANWIDTH=80 man -l "$page" >page.txt 2>page.err ||
    { cat page.err; fail "man -l failed"; }
  [ ! -s page.err ] || { cat page.err; fail "man -l reported problems"; }
  grep -q 'EXIT STATUS' page.txt || fail "rendered man page has no EXIT STATUS section"
else
  echo "man not found: rendering not checked"
fi
echo "install into $prefix: ok"
