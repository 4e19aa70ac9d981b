// The four ways of storing a value: a named variable (absolute or frame
// address), the first element of an array, the element at a simple address
// and the element at a computed address (value parked on the stack).  The
// value is widened to the target by its own signedness; narrowing is free.
// A pointer takes only a pointer; targets without an address are refused.
// RUN: split-file %s %t
// RUN: %tarvelcc %t/ok.c | FileCheck %s --match-full-lines --strict-whitespace
// RUN: %tarvelcc %t/ptrok.c | FileCheck %s --check-prefix=PTROK
// RUN: %expect 1 %tarvelcc %t/zero.c 2>&1 >/dev/null | FileCheck %s --check-prefix=ZERO --match-full-lines
// RUN: %expect 1 %tarvelcc %t/int.c 2>&1 >/dev/null | FileCheck %s --check-prefix=INT --match-full-lines
// RUN: %expect 1 %tarvelcc %t/num.c 2>&1 >/dev/null | FileCheck %s --check-prefix=NUM --match-full-lines
// RUN: %expect 1 %tarvelcc %t/expr.c 2>&1 >/dev/null | FileCheck %s --check-prefix=EXPR --match-full-lines
// RUN: %expect 1 %tarvelcc %t/arr.c 2>&1 >/dev/null | FileCheck %s --check-prefix=ARR --match-full-lines
// RUN: %expect 1 %tarvelcc %t/fn.c 2>&1 >/dev/null | FileCheck %s --check-prefix=FN --match-full-lines
// RUN: %expect 1 %tarvelcc %t/par.c 2>&1 >/dev/null | FileCheck %s --check-prefix=PAR --match-full-lines
// PTROK: STORE   s2,3F
// PTROK: STORE   s2,3F
// ZERO:{{.*}}zero.c:3: pointer can be assigned only by pointer
// INT:{{.*}}int.c:3: pointer can be assigned only by pointer
// NUM:{{.*}}num.c:3: reference to constant or writing to constant is not possible
// EXPR:{{.*}}expr.c:3: attempt for reference of expression which has no reference
// ARR:{{.*}}arr.c:3: array has no reference
// FN:{{.*}}fn.c:3: function has no reference
// PAR:{{.*}}par.c:2: constant has no reference

//--- ptrok.c
int *p; int *q; int a[2];
void main() { p = a; p = q + 1; }
//--- zero.c
int *p;
void main() {
  p = 0; }
//--- int.c
int *p; int i;
void main() {
  p = i; }
//--- num.c
const char K = 7;
void main() {
  K = 1; }
//--- expr.c
int i;
void main() {
  (i + 1) = 2; }
//--- arr.c
int *p; int a[2];
void main() {
  a = p; }
//--- fn.c
void one();
void main() {
  one = 1; }
//--- par.c
void f(const char v) {
  v = 1; }
//--- ok.c
char c; char d; int i; char *q; int *p; char s[4]; int a[3];
void direct(char x) { char y; c = 5; i = c; y = i; x = d; c = d = 3; }
void array() { char b[2]; *s = c; *a = c; *b = 1; }
void simple() { *q = c; *p = c; *(char *)5 = c; }
void standard() { s[c] = d; a[c] = i; }
// CHECK-LABEL:_direct:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        SUB     sF,01 ;stack_sync
// CHECK-NEXT:        ; constant 5
// CHECK-NEXT:        LOAD    s2,05
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_1
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_1:
// CHECK-NEXT:        STORE   s2,3C
// CHECK-NEXT:        STORE   s3,3D
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3C
// CHECK-NEXT:        FETCH   s3,3D
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        SUB     sD,01
// CHECK-NEXT:        STORE   s2,(sD)
// CHECK-NEXT:        ; variable d
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        ADD     sD,01
// CHECK-NEXT:        STORE   s2,(sD)
// CHECK-NEXT:        ; constant 3
// CHECK-NEXT:        LOAD    s2,03
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3E
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK-NEXT:label_0:
// CHECK-LABEL:_array:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        SUB     sF,02 ;stack_sync
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; store directly array
// CHECK-NEXT:        STORE   s2,36
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; store directly array
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_3
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_3:
// CHECK-NEXT:        STORE   s2,30
// CHECK-NEXT:        STORE   s3,31
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:        ; store directly array
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        SUB     sD,02
// CHECK-NEXT:        STORE   s2,(sD)
// CHECK-NEXT:label_2:
// CHECK-LABEL:_simple:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; store simple
// CHECK-NEXT:        ; variable q
// CHECK-NEXT:        FETCH   s0,3B
// CHECK-NEXT:        STORE   s2,(s0)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; store simple
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s0,3A
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_5
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_5:
// CHECK-NEXT:        STORE   s2,(s0)
// CHECK-NEXT:        ADD     s0,1
// CHECK-NEXT:        STORE   s3,(s0)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; store simple
// CHECK-NEXT:        ; constant 5
// CHECK-NEXT:        LOAD    s0,05
// CHECK-NEXT:        ; type conversion 
// CHECK-NEXT:        STORE   s2,(s0)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:label_4:
// CHECK-LABEL:_standard:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable d
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        ; store standardly 01 byte(s)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable s
// CHECK-NEXT:        LOAD    s2,36
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,3F
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        STORE   s0,(s2)
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3C
// CHECK-NEXT:        FETCH   s3,3D
// CHECK-NEXT:        ; store standardly 02 byte(s)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s3,(sF)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable a
// CHECK-NEXT:        LOAD    s2,30
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,3F
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        FETCH   s1,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        STORE   s0,(s2)
// CHECK-NEXT:        ADD     s2,1
// CHECK-NEXT:        STORE   s1,(s2)
// CHECK-NEXT:label_6:
