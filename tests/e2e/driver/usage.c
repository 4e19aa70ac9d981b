// The banner and usage with no argument; "-" reads standard input; a missing
// file is one diagnostic.
// RUN: %tarvelcc | FileCheck %s --check-prefix=USAGE --match-full-lines --strict-whitespace
// USAGE:C compiler for ZEFO Tarvel platform
// USAGE-NEXT:use: {{.*}}tarvelcc filename
// USAGE-NEXT: or: {{.*}}tarvelcc -
// USAGE-NEXT:       for standard input
// RUN: %tarvelcc - < %s | FileCheck %s --check-prefix=STDIN
// STDIN: CALL    _main
// RUN: %expect 1 %tarvelcc %S/does-not-exist.c 2>&1 | FileCheck %s --check-prefix=MISSING --strict-whitespace
// MISSING: {{^}}input file {{.*}}does-not-exist.c not fined {{$}}
void main() {}
