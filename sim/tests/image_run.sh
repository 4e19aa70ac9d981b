#!/usr/bin/env bash
# Runs each program twice, once as assembly text and once as the hex and
# mem images of its words, and requires the same run: output, registers,
# data memory and exit status (the globals need the text's memory map and
# are left out).
#   image_run.sh TARVEL TARVELSIM PROGRAM.c...
set -u
tarvel=$1 sim=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for src in "$@"; do
  "$tarvel" -S "$src" -o "$work/p.psm" && "$tarvel" "$work/p.psm" -o "$work/p.hex" &&
    "$tarvel" "$work/p.psm" -o "$work/p.mem" || { echo "FAIL $src: does not build"; failed=1; continue; }
  for args in "" "--irq-every 37"; do
    for prog in p.psm p.hex p.mem; do
      # shellcheck disable=SC2086
      "$sim" --dump --steps 200000 $args "$work/$prog" 2>/dev/null | sed '/^globals:/,$d' > "$work/$prog.out"
      echo "status ${PIPESTATUS[0]}" >> "$work/$prog.out"
    done
    for image in p.hex p.mem; do
      if ! cmp -s "$work/p.psm.out" "$work/$image.out"; then
        echo "FAIL $src $args: $image runs differently from the text"
        diff "$work/p.psm.out" "$work/$image.out" | head -5
        failed=1
      fi
    done
  done
done
exit $failed
