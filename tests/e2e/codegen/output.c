// The comment of every + and - shows its whole left operand, so a long sum
// writes comments that grow by one term each (output quadratic in the
// number of terms, here about 3 MB for 1000 terms).  A write that fails,
// at the end of a small program or in the middle of a large one, is one
// diagnostic and status 1.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
// RUN: { echo 'char a;'; echo 'void main() { a = a'; for i in $(seq 999); do echo '+a'; done; echo '; }'; } > %t.c
// RUN: %tarvelcc %t.c > %t.psm
// RUN: grep -c ' plus a$' %t.psm | FileCheck %s --check-prefix=COUNT
// RUN: awk '/ plus a$/ { n = length } END { print n }' %t.psm | FileCheck %s --check-prefix=LENGTH
// RUN: head -c 300000 %t.psm | FileCheck %s --check-prefix=LONG --match-full-lines --strict-whitespace
// RUN: %expect 1 %tarvelcc %t.c > /dev/full 2> %t.err
// RUN: %expect 1 %tarvelcc %s > /dev/full 2>> %t.err
// RUN: FileCheck %s --check-prefix=FULL --input-file %t.err --match-full-lines --strict-whitespace
char a; char b; char c;
void main() { a - b + c - a; a + b * c; }
// CHECK:        ; a minus b
// CHECK:        ; (a)-(b) plus c
// CHECK:        ; ((a)-(b))+(c) minus a
// CHECK:        ; a plus (b)*(c)
// COUNT: 999
// 10 + (6 * 999 - 5) + 7 characters: "        ; " + the left operand + " plus a".
// LENGTH: 6006
// LONG:        ; a plus a
// LONG:        ; (a)+(a) plus a
// LONG:        ; ((a)+(a))+(a) plus a
// LONG:        ; (((a)+(a))+(a))+(a) plus a
// FULL:{{.*}}: cannot write the output
// FULL-NEXT:{{.*}}: cannot write the output
// FULL-NOT:{{.+}}
