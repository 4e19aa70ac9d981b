// Calls push the arguments last first, each widened to its parameter's
// type, and drop them with one ADD to sF after the CALL.  A function
// declared without a parameter list is called bare and its arguments are
// not evaluated.  The result has the function's type.
// RUN: split-file %s %t
// RUN: %tarvelcc %t/ok.c | FileCheck %s --match-full-lines --strict-whitespace
// RUN: %expect 1 %tarvelcc %t/noargs.c 2>&1 >/dev/null | FileCheck %s --check-prefix=NOARGS --match-full-lines
// RUN: %expect 1 %tarvelcc %t/count.c 2>&1 >/dev/null | FileCheck %s --check-prefix=COUNT --match-full-lines
// RUN: %expect 1 %tarvelcc %t/undecl.c 2>&1 >/dev/null | FileCheck %s --check-prefix=UNDECL --match-full-lines
// RUN: %expect 1 %tarvelcc %t/asvalue.c 2>&1 >/dev/null | FileCheck %s --check-prefix=ASVALUE --match-full-lines
// NOARGS:{{.*}}noargs.c:3: function is called without defined parameters
// COUNT:{{.*}}count.c:3: function with 2 parameter(s) is called with 1 parameter(s)
// UNDECL:{{.*}}undecl.c:3: {{.*}}"nope" is not declared
// ASVALUE:{{.*}}asvalue.c:3: function is called without parameter

//--- noargs.c
void one(int a);
void main() {
  one(); }
//--- count.c
void two(char a, char b);
void main() {
  two(1); }
//--- undecl.c
void main() {
  char c;
  nope(c); }
//--- asvalue.c
char one();
void main() {
  one + 1; }
//--- ok.c
char c; unsigned char u; int i;
void none();
void one(int a);
int three(char a, int b, int e);
char old();
void calls() { none(); one(c); three(i, c, u); old(5) + 1; three(1, 2, 3) + i; }
void none() {}
void one(int a) {}
int three(char a, int b, int e) { return a; }
// CHECK-LABEL:_calls:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        CALL    _none
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_1
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_1:
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s3,(sF)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        CALL    _one
// CHECK-NEXT:        ADD     sF,02
// CHECK-NEXT:        ; variable u
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s3,(sF)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_2
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_2:
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s3,(sF)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3C
// CHECK-NEXT:        FETCH   s3,3D
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        CALL    _three
// CHECK-NEXT:        ADD     sF,05
// CHECK-NEXT:        CALL    _old
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ; (old)@(5) plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; constant 3
// CHECK-NEXT:        LOAD    s2,03
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s3,(sF)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; constant 2
// CHECK-NEXT:        LOAD    s2,02
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s3,(sF)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        CALL    _three
// CHECK-NEXT:        ADD     sF,05
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s0,3C
// CHECK-NEXT:        FETCH   s1,3D
// CHECK-NEXT:        ; (three)@(((1),(2)),(3)) plus i
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:label_0:
