// switch: the exit label is taken before the selector, the case base after
// it; each case value is widened to the selector's type and compared by
// subtraction, the default (the source's or the one added when there is
// none) is jumped to after the last test, and the bodies follow in source
// order and fall through.  Values print as unsigned decimal in the label and
// as a full hex number in the comment: 300 as 12C, -1 as 4294967295 and
// FFFFFFFF.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
int i;
char c;
void main() {
  switch (i) { case 1: c = 1; break; case 300: c = 2; }
  switch (c) { case -1: break; default: c = 0; }
}
// A negative case value is sign-extended to the selector's width; its label
// is taken after the case base.
void wide() { switch (i) { case -1: c = 2; } }
// CHECK-LABEL:_main:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        FETCH   s3,3F
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        LOAD    s1,00
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        SUBCY    s1,s3
// CHECK-NEXT:        OR      s0,s1
// CHECK-NEXT:        JUMP    Z,label_2_1 ;case 01
// CHECK-NEXT:        ; constant 300
// CHECK-NEXT:        LOAD    s1,01
// CHECK-NEXT:        LOAD    s0,2C
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        SUBCY    s1,s3
// CHECK-NEXT:        OR      s0,s1
// CHECK-NEXT:        JUMP    Z,label_2_300 ;case 12C
// CHECK-NEXT:        JUMP    label_2 ;default
// CHECK-NEXT:label_2_1:
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3D
// CHECK-NEXT:        JUMP    label_1 ;break
// CHECK-NEXT:label_2_300:
// CHECK-NEXT:        ; constant 2
// CHECK-NEXT:        LOAD    s2,02
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3D
// CHECK-NEXT:label_2:
// CHECK-NEXT:label_1:
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        ; constant -1
// CHECK-NEXT:        LOAD    s0,FF
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        JUMP    Z,label_4_4294967295 ;case FFFFFFFF
// CHECK-NEXT:        JUMP    label_4 ;default
// CHECK-NEXT:label_4_4294967295:
// CHECK-NEXT:        JUMP    label_3 ;break
// CHECK-NEXT:label_4:
// CHECK-NEXT:        ; constant 0
// CHECK-NEXT:        LOAD    s2,00
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3D
// CHECK-NEXT:label_3:
// CHECK-NEXT:label_0:
// CHECK-NEXT:        LOAD    sF,sE
// CHECK-LABEL:_wide:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        FETCH   s3,3F
// CHECK-NEXT:        ; constant -1
// CHECK-NEXT:        LOAD    s0,FF
// CHECK-NEXT:        LOAD    s1,s0
// CHECK-NEXT:        AND     s1,80
// CHECK-NEXT:        JUMP    Z,label_8
// CHECK-NEXT:        LOAD    s1,FF
// CHECK-NEXT:label_8:
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        SUBCY    s1,s3
// CHECK-NEXT:        OR      s0,s1
// CHECK-NEXT:        JUMP    Z,label_7_4294967295 ;case FFFFFFFF
// CHECK-NEXT:        JUMP    label_7 ;default
// CHECK-NEXT:label_7_4294967295:
// CHECK-NEXT:        ; constant 2
// CHECK-NEXT:        LOAD    s2,02
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3D
// CHECK-NEXT:label_7:
// CHECK-NEXT:label_6:
// CHECK-NEXT:label_5:
