#!/bin/sh
# Builds the Debian package from the build tree and checks its contents and
# control fields. Exits 77 (skipped) where dpkg-deb is not available.
#
# usage: check_deb.sh CPACK BUILD_DIR OUT_DIR VERSION [CONFIG]
set -eu
cpack=$1 build=$2 out=$3 version=$4 config=${5:-}

fail() { echo "FAIL: $*" >&2; exit 1; }

command -v dpkg-deb >/dev/null 2>&1 || { echo "dpkg-deb not found: skipped"; exit 77; }

rm -rf "$out"
mkdir -p "$out"
if [ -n "$config" ]; then set -- -C "$config"; else set --; fi
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" "$@" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; fail "cpack -G DEB failed"; }

set -- "$out"/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one .deb in $out, found: $*"
deb=$1

dpkg-deb -c "$deb" >"$out/contents.txt" || fail "dpkg-deb -c $deb failed"
for f in ./usr/bin/tarvelcc ./usr/share/man/man1/tarvelcc.1; do
  grep -q " $f\$" "$out/contents.txt" || { cat "$out/contents.txt"; fail "$deb lacks $f"; }
done
[ "$(dpkg-deb -f "$deb" Package)" = tarvelcc ] || fail "package name is not tarvelcc"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"

# The packaged (stripped) binary must still be the compiler and still run.
dpkg-deb -x "$deb" "$out/root" || fail "dpkg-deb -x $deb failed"
"$out/root/usr/bin/tarvelcc" >"$out/usage.txt" || fail "packaged tarvelcc did not exit with 0"
grep -qx 'C compiler for ZEFO Tarvel platform' "$out/usage.txt" || fail "packaged tarvelcc prints no banner"
echo "$(basename "$deb"): ok"
