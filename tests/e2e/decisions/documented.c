// Behaviour that differs from C on purpose: signed values compare as
// unsigned and shift right with zeros coming in; both sides of && and ||
// are evaluated; "return 1;" in an int function sets only s2; != and the
// bitwise operators take no pointers, and a pointer cannot be set to 0.
// RUN: split-file %s %t
// RUN: %tarvelcc %t/ok.c | FileCheck %s --match-full-lines --strict-whitespace
// RUN: %expect 1 %tarvelcc %t/ne.c 2>&1 >/dev/null | FileCheck %s --check-prefix=PTRERR
// RUN: %expect 1 %tarvelcc %t/or.c 2>&1 >/dev/null | FileCheck %s --check-prefix=PTRERR
// RUN: %expect 1 %tarvelcc %t/zero.c 2>&1 >/dev/null | FileCheck %s --check-prefix=ZERO
// PTRERR: unsupported operation with pointer
// ZERO: pointer can be assigned only by pointer

//--- ne.c
char *p; char *q;
void main() { p != q; }
//--- or.c
char *p;
void main() { p | 1; }
//--- zero.c
char *p;
void main() { p = 0; }
//--- ok.c
char c; char d; char f(); char g();
int one() { return 1; }
void main() { c < d; c >> 1; f() && g(); }
// CHECK-LABEL:_one:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:        JUMP    label_0 ;return
// CHECK-NEXT:label_0:
// CHECK-LABEL:_main:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; variable d
// CHECK-NEXT:        FETCH   s0,3E
// CHECK-NEXT:        ; less 
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ; shift right
// CHECK-NEXT:        SR0     s2
// CHECK-NEXT:        CALL    _f
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        CALL    _g
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; logical and
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_2
// CHECK-NEXT:        LOAD    s2,00
// CHECK-NEXT:        OR      s0,s0
// CHECK-NEXT:        JUMP    Z,label_2
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_2:
// CHECK-NEXT:label_1:
