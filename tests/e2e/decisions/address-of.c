// &x used as a value is the address of x in s2, typed as a pointer to x's
// type: it can be stored in a pointer, written through, passed as a pointer
// argument and stepped like any pointer.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
int x; int *p; char *q;
void take(int *v);
void use() { char y; p = &x; *p = 7; q = &y; take(&x); &x + 1; }
void take(int *v) {}
// CHECK-LABEL:_use:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        SUB     sF,01 ;stack_sync
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s2,3E
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3D
// CHECK-NEXT:        ; constant 7
// CHECK-NEXT:        LOAD    s2,07
// CHECK-NEXT:        ; store simple
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s0,3D
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        STORE   s2,(s0)
// CHECK-NEXT:        ADD     s0,1
// CHECK-NEXT:        STORE   s3,(s0)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s2,FF
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3C
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s2,3E
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        CALL    _take
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s2,3E
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:label_0:
