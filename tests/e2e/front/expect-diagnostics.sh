#!/usr/bin/env bash
# Compiles every .c file of a folder, in name order, from inside the folder.
# Each must fail with status 1 and write nothing to standard output; the
# script prints each file's diagnostic (or what went wrong) so that one
# FileCheck run can compare them all.
#
#   expect-diagnostics.sh COMPILER FOLDER
set -u
compiler=$1
case $compiler in */*) compiler=$(cd "$(dirname "$compiler")" && pwd)/$(basename "$compiler") ;; esac
cd "$2" || exit 1
export LC_ALL=C
for f in *.c; do
  "$compiler" "$f" >stdout.txt 2>stderr.txt
  status=$?
  [ "$status" -eq 1 ] || echo "$f: status $status"
  [ -s stdout.txt ] && echo "$f: wrote to standard output"
  cat stderr.txt
done
exit 0
