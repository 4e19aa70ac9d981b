// Each compound assignment computes with its own operator and stores the
// result back into the target.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
unsigned char c; unsigned char d;
void main() { c *= d; c /= d; c %= d; c += d; c -= d; c <<= 1; c >>= 1; c &= d; c ^= d; c |= d; }
// CHECK:        ; multiply
// CHECK-NEXT:        CALL    mult8x8
// CHECK-NEXT:        ; store directly
// CHECK:        ; divide
// CHECK-NEXT:        CALL    div8x8
// CHECK-NEXT:        ; store directly
// CHECK:        ; modulo
// CHECK-NEXT:        CALL    div8x8
// CHECK-NEXT:        LOAD    s2,s3
// CHECK-NEXT:        ; store directly
// CHECK:        ; c plus d
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store directly
// CHECK:        ; c minus d
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        ; store directly
// CHECK:        ; shift left
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        ; store directly
// CHECK:        ; shift right
// CHECK-NEXT:        SR0     s2
// CHECK-NEXT:        ; store directly
// CHECK:        ; and
// CHECK-NEXT:        AND     s2,s0
// CHECK-NEXT:        ; store directly
// CHECK:        ; xor
// CHECK-NEXT:        XOR     s2,s0
// CHECK-NEXT:        ; store directly
// CHECK:        ; or
// CHECK-NEXT:        OR      s2,s0
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
