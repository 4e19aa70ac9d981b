// Multiply, divide and modulo call a runtime routine chosen by the width
// and the signedness of each operand (and, for one signed factor, by which
// pair holds it).  A product is two bytes; an unsigned quotient keeps the
// operand width; signed division works on magnitudes with the sign flag in
// sD (saved around div16x16) and a one-byte signed quotient stays one byte.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
unsigned char u; unsigned char v; char c; char d;
unsigned int w; unsigned int x; int i; int j;
void mul8() { (u * v) + 1; c * d; c * u; u * c; u * (c + 1); }
void mul16() { w * x; i * j; i * w; w * i; }
void udiv() { u / v; u % v; w / x; w % (x + 1); }
void sdiv8() { (c / d) + i; c % d; u % c; }
void sdiv16() { i / j; i % j; i / (w + 1); }
// CHECK-LABEL:_mul8:
// CHECK:        ; multiply
// CHECK-NEXT:        CALL    mult8x8
// CHECK:        ; (u)*(v) plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK:        ; multiply
// CHECK-NEXT:        CALL    mult7x7
// CHECK:        ; multiply
// CHECK-NEXT:        CALL    mult8x7
// CHECK:        ; multiply
// CHECK-NEXT:        CALL    mult7x8
// CHECK:        ; c plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; multiply
// CHECK-NEXT:        CALL    mult8x7
// CHECK-NEXT:label_0:
// CHECK-LABEL:_mul16:
// CHECK:        ; multiply
// CHECK-NEXT:        CALL    mult16x16
// CHECK:        ; multiply
// CHECK-NEXT:        CALL    mult15x15
// CHECK:        ; multiply
// CHECK-NEXT:        CALL    mult15x16
// CHECK:        ; multiply
// CHECK-NEXT:        CALL    mult16x15
// CHECK-NEXT:label_1:
// CHECK-LABEL:_udiv:
// CHECK:        ; divide
// CHECK-NEXT:        CALL    div8x8
// CHECK:        ; modulo
// CHECK-NEXT:        CALL    div8x8
// CHECK-NEXT:        LOAD    s2,s3
// CHECK:        ; divide
// CHECK-NEXT:        CALL    div16x16
// CHECK:        ; x plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        FETCH   s1,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; modulo
// CHECK-NEXT:        LOAD    sD,s0
// CHECK-NEXT:        LOAD    s0,s2
// CHECK-NEXT:        LOAD    s2,sD
// CHECK-NEXT:        LOAD    sD,s1
// CHECK-NEXT:        LOAD    s1,s3
// CHECK-NEXT:        LOAD    s3,sD
// CHECK-NEXT:        CALL    div16x16
// CHECK-NEXT:        LOAD    s2,s4
// CHECK-NEXT:        LOAD    s3,s5
// CHECK-NEXT:label_2:
// CHECK-LABEL:_sdiv8:
// CHECK:        ; divide
// CHECK-NEXT:        LOAD    sD,00
// CHECK-NEXT:        TEST    s2,80
// CHECK-NEXT:        JUMP    Z,label_4
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        XOR     sD,01
// CHECK-NEXT:label_4:
// CHECK-NEXT:        TEST    s0,80
// CHECK-NEXT:        JUMP    Z,label_5
// CHECK-NEXT:        XOR     s0,FF
// CHECK-NEXT:        ADD     s0,01
// CHECK-NEXT:        XOR     sD,01
// CHECK-NEXT:label_5:
// CHECK-NEXT:        CALL    div8x8
// CHECK-NEXT:        AND     s2,7F
// CHECK-NEXT:        TEST    sD,01
// CHECK-NEXT:        JUMP    Z,label_6
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:label_6:
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s0,36
// CHECK-NEXT:        FETCH   s1,37
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_7
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_7:
// CHECK-NEXT:        ; (c)/(d) plus i
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK:        ; modulo
// CHECK-NEXT:        LOAD    sD,00
// CHECK-NEXT:        TEST    s2,80
// CHECK-NEXT:        JUMP    Z,label_8
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        XOR     sD,01
// CHECK-NEXT:label_8:
// CHECK-NEXT:        TEST    s0,80
// CHECK-NEXT:        JUMP    Z,label_9
// CHECK-NEXT:        XOR     s0,FF
// CHECK-NEXT:        ADD     s0,01
// CHECK-NEXT:label_9:
// CHECK-NEXT:        CALL    div8x8
// CHECK-NEXT:        LOAD    s2,s3
// CHECK-NEXT:        AND     s2,7F
// CHECK-NEXT:        TEST    sD,01
// CHECK-NEXT:        JUMP    Z,label_10
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:label_10:
// CHECK:        ; modulo
// CHECK-NEXT:        LOAD    sD,00
// CHECK-NEXT:        TEST    s0,80
// CHECK-NEXT:        JUMP    Z,label_11
// CHECK-NEXT:        XOR     s0,FF
// CHECK-NEXT:        ADD     s0,01
// CHECK-NEXT:label_11:
// CHECK-NEXT:        CALL    div8x8
// CHECK-NEXT:        LOAD    s2,s3
// CHECK-NEXT:        AND     s2,7F
// CHECK-NEXT:        TEST    sD,01
// CHECK-NEXT:        JUMP    Z,label_12
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:label_12:
// CHECK-NEXT:label_3:
// CHECK-LABEL:_sdiv16:
// CHECK:        ; divide
// CHECK-NEXT:        LOAD    sD,00
// CHECK-NEXT:        TEST    s3,80
// CHECK-NEXT:        JUMP    Z,label_14
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:        XOR     sD,01
// CHECK-NEXT:label_14:
// CHECK-NEXT:        TEST    s1,80
// CHECK-NEXT:        JUMP    Z,label_15
// CHECK-NEXT:        XOR     s0,FF
// CHECK-NEXT:        XOR     s1,FF
// CHECK-NEXT:        ADD     s0,01
// CHECK-NEXT:        ADDCY    s1,00
// CHECK-NEXT:        XOR     sD,01
// CHECK-NEXT:label_15:
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   sD,(sF)
// CHECK-NEXT:        CALL    div16x16
// CHECK-NEXT:        FETCH   sD,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        AND     s3,7F
// CHECK-NEXT:        TEST    sD,01
// CHECK-NEXT:        JUMP    Z,label_16
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:label_16:
// CHECK:        ; modulo
// CHECK-NEXT:        LOAD    sD,00
// CHECK-NEXT:        TEST    s3,80
// CHECK-NEXT:        JUMP    Z,label_17
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:        XOR     sD,01
// CHECK-NEXT:label_17:
// CHECK-NEXT:        TEST    s1,80
// CHECK-NEXT:        JUMP    Z,label_18
// CHECK-NEXT:        XOR     s0,FF
// CHECK-NEXT:        XOR     s1,FF
// CHECK-NEXT:        ADD     s0,01
// CHECK-NEXT:        ADDCY    s1,00
// CHECK-NEXT:label_18:
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   sD,(sF)
// CHECK-NEXT:        CALL    div16x16
// CHECK-NEXT:        FETCH   sD,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        LOAD    s2,s4
// CHECK-NEXT:        LOAD    s3,s5
// CHECK-NEXT:        AND     s3,7F
// CHECK-NEXT:        TEST    sD,01
// CHECK-NEXT:        JUMP    Z,label_19
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:label_19:
// CHECK:        ; w plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        FETCH   s1,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; divide
// CHECK-NEXT:        LOAD    sD,s0
// CHECK-NEXT:        LOAD    s0,s2
// CHECK-NEXT:        LOAD    s2,sD
// CHECK-NEXT:        LOAD    sD,s1
// CHECK-NEXT:        LOAD    s1,s3
// CHECK-NEXT:        LOAD    s3,sD
// CHECK-NEXT:        LOAD    sD,00
// CHECK-NEXT:        TEST    s3,80
// CHECK-NEXT:        JUMP    Z,label_20
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:        XOR     sD,01
// CHECK-NEXT:label_20:
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   sD,(sF)
// CHECK-NEXT:        CALL    div16x16
// CHECK-NEXT:        FETCH   sD,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        AND     s3,7F
// CHECK-NEXT:        TEST    sD,01
// CHECK-NEXT:        JUMP    Z,label_21
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:label_21:
// CHECK-NEXT:label_13:
