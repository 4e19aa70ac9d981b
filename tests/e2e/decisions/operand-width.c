// The width an operator sequence handles.  With a pointer on either side it
// is one byte, even against a two-byte integer on the left (whose push and
// pop stay two bytes wide).  A one-byte left operand against a two-byte
// right one is widened and the sequence handles both bytes.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
int i; char c; char *p;
void pointer() { i == p; i < p; i == (p + 1); p == i; }
void unequal() { c < i; c == i; c || (i + 1); }
// CHECK-LABEL:_pointer:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        FETCH   s3,3F
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s0,3C
// CHECK-NEXT:        ; ==
// CHECK-NEXT:        XOR     s2,s0
// CHECK-NEXT:        JUMP    Z,label_1
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_1:
// CHECK-NEXT:        XOR     s2,01
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        FETCH   s3,3F
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s0,3C
// CHECK-NEXT:        ; less 
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        FETCH   s3,3F
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s3,(sF)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3C
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        FETCH   s1,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; ==
// CHECK-NEXT:        XOR     s2,s0
// CHECK-NEXT:        JUMP    Z,label_2
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_2:
// CHECK-NEXT:        XOR     s2,01
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,3C
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s0,3E
// CHECK-NEXT:        FETCH   s1,3F
// CHECK-NEXT:        ; ==
// CHECK-NEXT:        XOR     s2,s0
// CHECK-NEXT:        JUMP    Z,label_3
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_3:
// CHECK-NEXT:        XOR     s2,01
// CHECK-NEXT:label_0:
// CHECK-LABEL:_unequal:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s0,3E
// CHECK-NEXT:        FETCH   s1,3F
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_5
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_5:
// CHECK-NEXT:        ; less 
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SUBCY    s3,s1
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s0,3E
// CHECK-NEXT:        FETCH   s1,3F
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_6
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_6:
// CHECK-NEXT:        ; ==
// CHECK-NEXT:        XOR     s2,s0
// CHECK-NEXT:        JUMP    NZ,label_8
// CHECK-NEXT:        XOR     s3,s1
// CHECK-NEXT:        JUMP    Z,label_7
// CHECK-NEXT:label_8:
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_7:
// CHECK-NEXT:        XOR     s2,01
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        FETCH   s3,3F
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        LOAD    s1,00
// CHECK-NEXT:        ; i plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        LOAD    s1,s0
// CHECK-NEXT:        AND     s1,80
// CHECK-NEXT:        JUMP    Z,label_9
// CHECK-NEXT:        LOAD    s1,FF
// CHECK-NEXT:label_9:
// CHECK-NEXT:        ; logical or
// CHECK-NEXT:        OR      s2,s0
// CHECK-NEXT:        OR      s3,s2
// CHECK-NEXT:        OR      s3,s1
// CHECK-NEXT:        JUMP    Z,label_10
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_10:
// CHECK-NEXT:label_4:
