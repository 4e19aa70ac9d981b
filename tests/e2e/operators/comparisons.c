// Comparisons leave 0 or 1 in s2 by subtracting and taking the borrow
// (operands compare unsigned, whatever their signedness); == and != take
// the first label before the second; the logical operators work on both
// operands, which are always evaluated.  Each in both operand layouts.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
char c; char d; int i; int j; unsigned int w;
void order8() { c < d; c <= d; c > d; c >= d; }
void order16() { i < j; i <= 5; i > w; i >= j; }
void stacked() { c < (d + 1); c <= (d + 1); c > (d + 1); i >= (j + 1); }
void equal() { c == d; i == j; c != d; i != (j + 1); }
void logical() { c || d; i || j; c && d; i && (j + 1); }
// CHECK-LABEL:_order8:
// CHECK:        ; less 
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK:        ; less or equal
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK-NEXT:        XOR     s2,01
// CHECK:        ; greater 
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK:        ; less
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK-NEXT:        XOR     s2,01
// CHECK-NEXT:label_0:
// CHECK-LABEL:_order16:
// CHECK:        ; less 
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SUBCY    s3,s1
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK:        ; less or equal
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        SUBCY    s1,s3
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK-NEXT:        XOR     s2,01
// CHECK:        ; greater 
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        SUBCY    s1,s3
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK:        ; less
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SUBCY    s3,s1
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK-NEXT:        XOR     s2,01
// CHECK-NEXT:label_1:
// CHECK-LABEL:_stacked:
// CHECK:        ; d plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; less 
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK:        ; d plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; less or equal
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK-NEXT:        XOR     s2,01
// CHECK:        ; d plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; greater 
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK:        ; j plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        FETCH   s1,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; less
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        SUBCY    s1,s3
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        AND     s2,01
// CHECK-NEXT:        XOR     s2,01
// CHECK-NEXT:label_2:
// CHECK-LABEL:_equal:
// CHECK:        ; ==
// CHECK-NEXT:        XOR     s2,s0
// CHECK-NEXT:        JUMP    Z,label_4
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_4:
// CHECK-NEXT:        XOR     s2,01
// CHECK:        ; ==
// CHECK-NEXT:        XOR     s2,s0
// CHECK-NEXT:        JUMP    NZ,label_6
// CHECK-NEXT:        XOR     s3,s1
// CHECK-NEXT:        JUMP    Z,label_5
// CHECK-NEXT:label_6:
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_5:
// CHECK-NEXT:        XOR     s2,01
// CHECK:        ; !=
// CHECK-NEXT:        XOR     s2,s0
// CHECK-NEXT:        JUMP    Z,label_7
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_7:
// CHECK:        ; j plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        FETCH   s1,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; !=
// CHECK-NEXT:        XOR     s2,s0
// CHECK-NEXT:        JUMP    NZ,label_9
// CHECK-NEXT:        XOR     s3,s1
// CHECK-NEXT:        JUMP    Z,label_8
// CHECK-NEXT:label_9:
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_8:
// CHECK-NEXT:label_3:
// CHECK-LABEL:_logical:
// CHECK:        ; logical or
// CHECK-NEXT:        OR      s2,s0
// CHECK-NEXT:        JUMP    Z,label_11
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_11:
// CHECK:        ; logical or
// CHECK-NEXT:        OR      s2,s0
// CHECK-NEXT:        OR      s3,s2
// CHECK-NEXT:        OR      s3,s1
// CHECK-NEXT:        JUMP    Z,label_12
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_12:
// CHECK:        ; logical and
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_13
// CHECK-NEXT:        LOAD    s2,00
// CHECK-NEXT:        OR      s0,s0
// CHECK-NEXT:        JUMP    Z,label_13
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_13:
// CHECK:        ; j plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        FETCH   s1,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        ; logical and
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        OR      s2,s3
// CHECK-NEXT:        JUMP    Z,label_14
// CHECK-NEXT:        LOAD    s2,00
// CHECK-NEXT:        OR      s0,s0
// CHECK-NEXT:        OR      s0,s1
// CHECK-NEXT:        JUMP    Z,label_14
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:label_14:
// CHECK-NEXT:label_10:

// A truth value is an unsigned char: it widens with a zero high byte.
void typed() { (c == d) + i; (c || d) + i; }
// CHECK-LABEL:_typed:
// CHECK:        XOR     s2,01
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s0,3C
// CHECK-NEXT:        FETCH   s1,3D
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        ; (c)==(d) plus i
// CHECK:        LOAD    s2,01
// CHECK-NEXT:label_{{[0-9]+}}:
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s0,3C
// CHECK-NEXT:        FETCH   s1,3D
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        ; (c)@(d) plus i
