// Shifts by a constant: the count is taken modulo 8 or 16 by the left
// operand's width, which is also the width shifted (a wider count does not
// widen it); right shifts bring in zeros even for signed values.  A count
// in a variable is refused after its load.
// RUN: split-file %s %t
// RUN: %tarvelcc %t/ok.c | FileCheck %s --match-full-lines --strict-whitespace
// RUN: %expect 1 %tarvelcc %t/var.c 2>%t/var.err | FileCheck %s --check-prefix=VAR --match-full-lines
// RUN: FileCheck %s --check-prefix=VARERR --match-full-lines --input-file %t/var.err
// VAR:        ; variable y
// VAR-NEXT:        FETCH   s0,3E
// VAR-NEXT:        ; shift left
// VAR-NOT:{{.}}
// VARERR:{{.*}}var.c:3: bit rotation supported only for constant shift

//--- var.c
char c; char y;
void main() {
  c << y; }
//--- ok.c
char c; unsigned char u; int i; unsigned int w;
void left() { c << 3; c << 9; c << 8; i << 17; c << 300; }
void right() { c >> 1; u >> -1; i >> 1; w >> 2; }
void assigned() { c <<= 2; w >>= 1; }
// CHECK-LABEL:_left:
// CHECK:        ; shift left
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SL0     s2
// CHECK:        ; shift left
// CHECK-NEXT:        SL0     s2
// CHECK:        ; shift left
// CHECK:        ; shift left
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SLA     s3
// CHECK:        ; shift left
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:label_0:
// CHECK-LABEL:_right:
// CHECK:        ; shift right
// CHECK-NEXT:        SR0     s2
// CHECK:        ; shift right
// CHECK-NEXT:        SR0     s2
// CHECK-NEXT:        SR0     s2
// CHECK-NEXT:        SR0     s2
// CHECK-NEXT:        SR0     s2
// CHECK-NEXT:        SR0     s2
// CHECK-NEXT:        SR0     s2
// CHECK-NEXT:        SR0     s2
// CHECK:        ; shift right
// CHECK-NEXT:        SR0     s3
// CHECK-NEXT:        SRA     s2
// CHECK:        ; shift right
// CHECK-NEXT:        SR0     s3
// CHECK-NEXT:        SRA     s2
// CHECK-NEXT:        SR0     s3
// CHECK-NEXT:        SRA     s2
// CHECK-NEXT:label_2:
// CHECK-LABEL:_assigned:
// CHECK:        ; shift left
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK:        ; shift right
// CHECK-NEXT:        SR0     s3
// CHECK-NEXT:        SRA     s2
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3A
// CHECK-NEXT:        STORE   s3,3B
// CHECK-NEXT:label_3:
