// Pointer arithmetic: an int pointer steps by two (the integer doubled in
// whichever register holds it), a char pointer by one, p - q gives the
// element count; pointers are one byte.  Indexing is the dereference of the
// address sum.  Misuse of pointers stops after both operands are loaded.
// RUN: split-file %s %t
// RUN: %tarvelcc %t/ok.c | FileCheck %s --match-full-lines --strict-whitespace
// RUN: %expect 1 %tarvelcc %t/mul.c 2>%t/mul.err | FileCheck %s --check-prefix=MUL --match-full-lines
// RUN: FileCheck %s --check-prefix=MULERR --match-full-lines --input-file %t/mul.err
// RUN: %expect 1 %tarvelcc %t/ne.c 2>&1 >/dev/null | FileCheck %s --check-prefix=NE --match-full-lines
// RUN: %expect 1 %tarvelcc %t/and.c 2>&1 >/dev/null | FileCheck %s --check-prefix=AND --match-full-lines
// RUN: %expect 1 %tarvelcc %t/shl.c 2>&1 >/dev/null | FileCheck %s --check-prefix=SHL --match-full-lines
// RUN: %expect 1 %tarvelcc %t/add2.c 2>&1 >/dev/null | FileCheck %s --check-prefix=ADD2 --match-full-lines
// RUN: %expect 1 %tarvelcc %t/minus.c 2>&1 >/dev/null | FileCheck %s --check-prefix=MINUS --match-full-lines
// RUN: %expect 1 %tarvelcc %t/diff.c 2>&1 >/dev/null | FileCheck %s --check-prefix=DIFF --match-full-lines --strict-whitespace
// MUL:        FETCH   s2,3F
// MUL-NEXT:        ; constant 2
// MUL-NEXT:        LOAD    s0,02
// MUL-NOT:{{.}}
// MULERR:{{.*}}mul.c:2: unsupported operation with pointer
// NE:{{.*}}ne.c:2: unsupported operation with pointer
// AND:{{.*}}and.c:2: unsupported operation with pointer
// SHL:{{.*}}shl.c:2: unsupported operation with pointer
// ADD2:{{.*}}add2.c:2: two pointers can not be added
// MINUS:{{.*}}minus.c:2: operation variable minus pointer is not possible
// DIFF:{{.*}}diff.c:2: pointers of different type can not be subtracted {{$}}

//--- mul.c
int *p; void main() {
  p * 2; }
//--- ne.c
int *p; int *r; void main() {
  p != r; }
//--- and.c
char *p; void main() {
  p & 1; }
//--- shl.c
char *p; void main() {
  p <<= 1; }
//--- add2.c
int *p; int a[2]; void main() {
  p + a; }
//--- minus.c
int *p; char c; void main() {
  c - p; }
//--- diff.c
int *p; char *q; void main() {
  p - q; }
//--- ok.c
int *p; int *r; char *q; char *s; int i; char c; int a[4];
void add() { p + 1; 1 + p; q + 1; q + c; p + (c + 1); (c + 1) + p; c + (p + 1); }
void sub() { p - 1; q - c; p - (c + 1); p - r; q - s; p - (r + 1); }
void index(char k) { char b[3]; a[k]; b[k]; a[2]; *a; }
// CHECK-LABEL:_add:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s0,3F
// CHECK-NEXT:        ADD     s2,s2
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; variable q
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; variable q
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,39
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,39
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ; c plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ADD     s2,s2
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,39
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ; c plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s0,3F
// CHECK-NEXT:        ADD     s2,s2
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,39
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:label_0:
// CHECK-LABEL:_sub:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        ; variable q
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,39
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,39
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ; c plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ADD     s2,s2
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; variable r
// CHECK-NEXT:        FETCH   s0,3E
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SR0     s2
// CHECK-NEXT:        ; variable q
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        ; variable s
// CHECK-NEXT:        FETCH   s0,3C
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable r
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        SR0     s2
// CHECK-NEXT:label_1:
// CHECK-LABEL:_index:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        SUB     sF,03 ;stack_sync
// CHECK-NEXT:        ; variable a
// CHECK-NEXT:        LOAD    s2,31
// CHECK-NEXT:        ; variable k
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        ADD     sD,01
// CHECK-NEXT:        FETCH   s0,(sD)
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        FETCH   s2,(s3)
// CHECK-NEXT:        ADD     s3,01
// CHECK-NEXT:        FETCH   s3,(s3)
// CHECK-NEXT:        ; variable b
// CHECK-NEXT:        LOAD    s2,FD
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; variable k
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        ADD     sD,01
// CHECK-NEXT:        FETCH   s0,(sD)
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s2,(s2)
// CHECK-NEXT:        ; variable a
// CHECK-NEXT:        LOAD    s2,31
// CHECK-NEXT:        ; constant 2
// CHECK-NEXT:        LOAD    s0,02
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        FETCH   s2,(s3)
// CHECK-NEXT:        ADD     s3,01
// CHECK-NEXT:        FETCH   s3,(s3)
// CHECK-NEXT:        ; variable a
// CHECK-NEXT:        LOAD    s2,31
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        FETCH   s2,(s3)
// CHECK-NEXT:        ADD     s3,01
// CHECK-NEXT:        FETCH   s3,(s3)
// CHECK-NEXT:label_2:
