// Errors found in nodes that the translation builds itself (the value side
// of a compound assignment, the sum and the store of an increment) name the
// line of the source construct they stand for, not the end of the input.
// RUN: split-file %s %t
// RUN: %expect 1 %tarvelcc %t/shift.c 2>&1 >/dev/null | FileCheck %s --check-prefix=SHIFT --match-full-lines
// RUN: %expect 1 %tarvelcc %t/ptr.c 2>&1 >/dev/null | FileCheck %s --check-prefix=PTR --match-full-lines
// RUN: %expect 1 %tarvelcc %t/array.c 2>&1 >/dev/null | FileCheck %s --check-prefix=ARRAY --match-full-lines
// RUN: %expect 1 %tarvelcc %t/const.c 2>&1 >/dev/null | FileCheck %s --check-prefix=CONST --match-full-lines
// SHIFT:{{.*}}shift.c:3: bit rotation supported only for constant shift
// PTR:{{.*}}ptr.c:3: unsupported operation with pointer
// ARRAY:{{.*}}array.c:3: array has no reference
// CONST:{{.*}}const.c:3: reference to constant or writing to constant is not possible

//--- shift.c
char c; char y;
void main() {
  c <<= y;
}
void later() {
}
//--- ptr.c
int *p;
void main() {
  p *= 2;
}
void later() {
}
//--- array.c
int a[2];
void main() {
  ++a;
}
void later() {
}
//--- const.c
const char K = 1;
void main() {
  ++K;
}
void later() {
}
