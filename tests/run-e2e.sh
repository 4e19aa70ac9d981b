#!/usr/bin/env bash
# Runs the RUN lines of one end-to-end test file.
#
#   // RUN: %tarvelcc %s | %FileCheck %s
#   // RUN: %expect 1 %tarvelcc %s 2>&1 | %FileCheck %s --check-prefix=ERR
#
# Substitutions: %s the test file, %S its folder, %t a scratch file name,
# %tarvelcc the compiler, %FileCheck (or FileCheck) the checker.
# "%expect N command..." runs the command and fails unless it exits with N.
# split-file (several inputs in one test file) is on the PATH.
# Every RUN line must succeed; pipelines fail when any stage fails.
set -u
test_file=$1
compiler=$2
filecheck=$3
scratch=$(mktemp -d)
# FileCheck's folder also holds split-file and not.
export PATH="$(dirname "$filecheck"):$PATH"
trap 'rm -rf "$scratch"' EXIT

prelude='expect() { local want=$1; shift; "$@"; local got=$?;
  if [ "$got" -ne "$want" ]; then echo "exit status $got, expected $want" >&2; return 1; fi; return 0; }'

status=0
count=0
while IFS= read -r line; do
  cmd=${line#*RUN:}
  cmd=${cmd//%tarvelcc/$compiler}
  cmd=${cmd//%FileCheck/$filecheck}
  cmd=$(printf '%s' "$cmd" | sed -e "s#\\bFileCheck\\b#$filecheck#g")
  cmd=${cmd//%expect/expect}
  cmd=${cmd//%t/$scratch/t}
  cmd=${cmd//%S/$(dirname "$test_file")}
  cmd=${cmd//%s/$test_file}
  count=$((count + 1))
  if ! bash -o pipefail -c "$prelude
$cmd"; then
    echo "FAILED: RUN line $count:$cmd" >&2
    status=1
  fi
done < <(grep -E '^[[:space:]]*//[[:space:]]*RUN:' "$test_file")

if [ "$count" -eq 0 ]; then
  echo "no RUN lines in $test_file" >&2
  exit 1
fi
exit $status
