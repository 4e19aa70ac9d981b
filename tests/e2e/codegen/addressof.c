// The address of a variable used as a value is loaded into s2 the way an
// array's address is: a static's address, or a frame offset (a local's in
// two's complement, a parameter's positive) added to the frame pointer.
// The value is a pointer to the variable's type: it may be assigned to a
// pointer, passed for a pointer parameter (one byte pushed), and adding 1 to
// the address of an int steps two bytes.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
int g;
char c;
int *ip;
char *cp;
void take(char *q) {}
void f(char a) { char l; cp = &c; cp = &l; cp = &a; take(&l); ip = &g + 1; }
// CHECK-LABEL:_f:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        SUB     sF,01 ;stack_sync
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s2,3D
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3B
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s2,FF
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3B
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3B
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s2,FF
// CHECK-NEXT:        ADD     s2,sE
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
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3C
// CHECK-NEXT:label_1:
