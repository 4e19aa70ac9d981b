#!/usr/bin/env bash
# Fails when a source file includes a header from a folder its stage may not
# depend on.  The compiler's stages form one direction of data flow:
#   diag, types (leaves) <- symbols <- tree <- front (builds the tree)
#                                         <- codegen (reads the tree)
#   asm <- sim, opt;  everything <- driver
# so no stage includes one that runs after it, and the two leaves include
# nothing of the project.
#
# use: check-includes.sh SOURCE_DIR
set -u
cd "$1" || exit 2
allowed() {
  case $1 in
    diag|types) echo "" ;;
    symbols) echo "diag types" ;;
    tree) echo "diag types symbols" ;;
    front|codegen|warn) echo "diag types symbols tree" ;;
    asm) echo "" ;;
    sim|opt) echo "asm" ;;
    *) echo "*" ;;
  esac
}
status=0
for dir in diag types symbols tree front codegen warn asm sim opt; do
  [ -d "$dir" ] || continue
  ok=$(allowed "$dir")
  while IFS=: read -r file line target; do
    folder=${target%%/*}
    [ "$folder" = "$target" ] && continue   # same-folder include by bare name
    [ "$folder" = "$dir" ] && continue
    case " $ok " in *" $folder "*) continue ;; esac
    echo "$file:$line: $dir/ may not include $target"
    status=1
  done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "' "$dir" | grep -v '/tests/' |
           sed 's/^\([^:]*\):\([0-9]*\):#include "\([^"]*\)".*/\1:\2:\3/')
done
[ $status -eq 0 ] && echo "include directions: ok"
exit $status
