#!/bin/bash
# Collects the fuzz seed corpus: every .c file under tests/ and examples/,
# copied into one flat folder under a name made from its path.
# usage: make-seeds.sh SOURCE_ROOT SEED_DIR
set -euo pipefail
root=$1
dest=$2
mkdir -p "$dest"
cd "$root"
find tests examples -name '*.c' -type f -print0 |
  while IFS= read -r -d '' f; do
    cp "$f" "$dest/$(echo "$f" | tr '/ ' '__')"
  done
