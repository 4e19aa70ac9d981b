// Increment and decrement are assignments of a sum built on the fly (a
// pointer steps by its element size, a postfix value is recomputed from the
// new one); !, ~ and unary minus work on the value in pair 1.  Minus gives a
// signed result (so -u widens with the sign).  ~ and - refuse pointers.
// RUN: split-file %s %t
// RUN: %tarvelcc %t/ok.c | FileCheck %s --match-full-lines --strict-whitespace
// RUN: %expect 1 %tarvelcc %t/bitneg.c 2>%t/bitneg.err | FileCheck %s --check-prefix=BITNEG --match-full-lines
// RUN: FileCheck %s --check-prefix=BITNEGERR --match-full-lines --input-file %t/bitneg.err
// RUN: %expect 1 %tarvelcc %t/minus.c 2>&1 >/dev/null | FileCheck %s --check-prefix=MINUS --match-full-lines
// BITNEG:        ; bit neg
// BITNEG-NEXT:        ; variable p
// BITNEG-NEXT:        FETCH   s2,3F
// BITNEG-NOT:{{.}}
// BITNEGERR:{{.*}}bitneg.c:3: bit negation with pointer is not possible
// MINUS:{{.*}}minus.c:3: unary minus with pointer

//--- bitneg.c
int *p;
void main() {
  ~p; }
//--- minus.c
char *p;
void main() {
  -p; }
//--- ok.c
char c; unsigned char u; int i; int *p; char *q;
void steps() { ++c; --i; c++; i--; }
void pointers() { p++; --p; q++; }
void negations() { !c; !i; !p; ~u; ~i; -u + i; -i; }
// CHECK-LABEL:_steps:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; prefix plus
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ; c plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK-NEXT:        ; prefix minus
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3C
// CHECK-NEXT:        FETCH   s3,3D
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        LOAD    s1,00
// CHECK-NEXT:        ; i minus 1
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SUBCY    s3,s1
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3C
// CHECK-NEXT:        STORE   s3,3D
// CHECK-NEXT:        ; postfix plus
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ; c plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ; ( &(c) )=((c)+(1)) minus 1
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        ; postfix minus
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3C
// CHECK-NEXT:        FETCH   s3,3D
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        LOAD    s1,00
// CHECK-NEXT:        ; i minus 1
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SUBCY    s3,s1
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3C
// CHECK-NEXT:        STORE   s3,3D
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        LOAD    s1,00
// CHECK-NEXT:        ; ( &(i) )=((i)-(1)) plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:label_0:
// CHECK-LABEL:_pointers:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; postfix plus
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3B
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3B
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        ; prefix minus
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3B
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3B
// CHECK-NEXT:        ; postfix plus
// CHECK-NEXT:        ; variable q
// CHECK-NEXT:        FETCH   s2,3A
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3A
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:label_1:
// CHECK-LABEL:_negations:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; logical neg 
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_3
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_3:
// CHECK-NEXT:        XOR     s2,01
// CHECK-NEXT:        ; logical neg 
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3C
// CHECK-NEXT:        FETCH   s3,3D
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        OR      s2,s3
// CHECK-NEXT:        JUMP    Z,label_4
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_4:
// CHECK-NEXT:        XOR     s2,01
// CHECK-NEXT:        ; logical neg 
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3B
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_5
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_5:
// CHECK-NEXT:        XOR     s2,01
// CHECK-NEXT:        ; bit neg
// CHECK-NEXT:        ; variable u
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        ; bit neg
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3C
// CHECK-NEXT:        FETCH   s3,3D
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ; unary minus
// CHECK-NEXT:        ; variable u
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s0,3C
// CHECK-NEXT:        FETCH   s1,3D
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_6
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_6:
// CHECK-NEXT:        ;  -(u)  plus i
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        ; unary minus
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3C
// CHECK-NEXT:        FETCH   s3,3D
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:label_2:
