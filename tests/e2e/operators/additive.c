// Additive and bitwise operators at one and two bytes, signed and unsigned,
// with a constant or a variable on the right (operands in s2/s0) and with a
// right operand that needs the stack (left popped into s0).  Operands of
// unequal width work at the common width.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
char c; char d; unsigned char u; int i; int j; unsigned int w;
void simple8() { c + 5; c - d; u - 7; }
void simple16() { i + 5; i - j; w - 300; }
void stacked() { c - (d + u); i - (j + i); }
void mixed() { c + i; c - (i + j); i - c; }
void local(char x) { char y; x + y; }
void bits() { c & 15; i ^ j; w | (i + 1); c & (u | d); }
// CHECK-LABEL:_simple8:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; constant 5
// CHECK-NEXT:        LOAD    s0,05
// CHECK-NEXT:        ; c plus 5
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; variable d
// CHECK-NEXT:        FETCH   s0,3E
// CHECK-NEXT:        ; c minus d
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        ; variable u
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        ; constant 7
// CHECK-NEXT:        LOAD    s0,07
// CHECK-NEXT:        ; u minus 7
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:label_0:
// CHECK-LABEL:_simple16:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3B
// CHECK-NEXT:        FETCH   s3,3C
// CHECK-NEXT:        ; constant 5
// CHECK-NEXT:        LOAD    s0,05
// CHECK-NEXT:        LOAD    s1,00
// CHECK-NEXT:        ; i plus 5
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3B
// CHECK-NEXT:        FETCH   s3,3C
// CHECK-NEXT:        ; variable j
// CHECK-NEXT:        FETCH   s0,39
// CHECK-NEXT:        FETCH   s1,3A
// CHECK-NEXT:        ; i minus j
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SUBCY    s3,s1
// CHECK-NEXT:        ; variable w
// CHECK-NEXT:        FETCH   s2,37
// CHECK-NEXT:        FETCH   s3,38
// CHECK-NEXT:        ; constant 300
// CHECK-NEXT:        LOAD    s1,01
// CHECK-NEXT:        LOAD    s0,2C
// CHECK-NEXT:        ; w minus 300
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SUBCY    s3,s1
// CHECK-NEXT:label_1:
// CHECK-LABEL:_stacked:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable d
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        ; variable u
// CHECK-NEXT:        FETCH   s0,3D
// CHECK-NEXT:        ; d plus u
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; c minus (d)+(u)
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3B
// CHECK-NEXT:        FETCH   s3,3C
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s3,(sF)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable j
// CHECK-NEXT:        FETCH   s2,39
// CHECK-NEXT:        FETCH   s3,3A
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s0,3B
// CHECK-NEXT:        FETCH   s1,3C
// CHECK-NEXT:        ; j plus i
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        FETCH   s1,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; i minus (j)+(i)
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        SUBCY    s1,s3
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        LOAD    s3,s1
// CHECK-NEXT:label_2:
// CHECK-LABEL:_mixed:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s0,3B
// CHECK-NEXT:        FETCH   s1,3C
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_4
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_4:
// CHECK-NEXT:        ; c plus i
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3B
// CHECK-NEXT:        FETCH   s3,3C
// CHECK-NEXT:        ; variable j
// CHECK-NEXT:        FETCH   s0,39
// CHECK-NEXT:        FETCH   s1,3A
// CHECK-NEXT:        ; i plus j
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        LOAD    s1,s0
// CHECK-NEXT:        AND     s1,80
// CHECK-NEXT:        JUMP    Z,label_5
// CHECK-NEXT:        LOAD    s1,FF
// CHECK-NEXT:label_5:
// CHECK-NEXT:        ; c minus (i)+(j)
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        SUBCY    s1,s3
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        LOAD    s3,s1
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3B
// CHECK-NEXT:        FETCH   s3,3C
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,3F
// CHECK-NEXT:        LOAD    s1,s0
// CHECK-NEXT:        AND     s1,80
// CHECK-NEXT:        JUMP    Z,label_6
// CHECK-NEXT:        LOAD    s1,FF
// CHECK-NEXT:label_6:
// CHECK-NEXT:        ; i minus c
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SUBCY    s3,s1
// CHECK-NEXT:label_3:
// CHECK-LABEL:_local:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        SUB     sF,01 ;stack_sync
// CHECK-NEXT:        ; variable x
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        ADD     sD,01
// CHECK-NEXT:        FETCH   s2,(sD)
// CHECK-NEXT:        ; variable y
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        SUB     sD,01
// CHECK-NEXT:        FETCH   s0,(sD)
// CHECK-NEXT:        ; x plus y
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:label_7:
// CHECK-LABEL:_bits:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; constant 15
// CHECK-NEXT:        LOAD    s0,0F
// CHECK-NEXT:        ; and
// CHECK-NEXT:        AND     s2,s0
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3B
// CHECK-NEXT:        FETCH   s3,3C
// CHECK-NEXT:        ; variable j
// CHECK-NEXT:        FETCH   s0,39
// CHECK-NEXT:        FETCH   s1,3A
// CHECK-NEXT:        ; xor
// CHECK-NEXT:        XOR     s2,s0
// CHECK-NEXT:        XOR     s3,s1
// CHECK-NEXT:        ; variable w
// CHECK-NEXT:        FETCH   s2,37
// CHECK-NEXT:        FETCH   s3,38
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s3,(sF)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3B
// CHECK-NEXT:        FETCH   s3,3C
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        LOAD    s1,00
// CHECK-NEXT:        ; i plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        FETCH   s1,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; or
// CHECK-NEXT:        OR      s2,s0
// CHECK-NEXT:        OR      s3,s1
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable u
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        ; variable d
// CHECK-NEXT:        FETCH   s0,3E
// CHECK-NEXT:        ; or
// CHECK-NEXT:        OR      s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; and
// CHECK-NEXT:        AND     s2,s0
// CHECK-NEXT:label_8:
