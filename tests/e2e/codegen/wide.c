// Numbers that do not fit two hex digits print in full: a frame of more
// than 255 bytes in the stack adjustments and in the frame offsets of
// loads and stores.  An address is reduced to its low byte: the address of
// a local array at offset -300 loads as D4.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
void main() {
  char buf[300];
  char x;
  while (x) { char more[256]; break; }
  x = buf[0];
}
// CHECK-LABEL:_main:
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   sE,(sF)
// CHECK-NEXT:        LOAD    sE,sF
// CHECK-NEXT:        SUB     sF,12C ;stack_sync
// CHECK-NEXT:        SUB     sF,01 ;stack_sync
// CHECK-NEXT:label_1:
// CHECK-NEXT:        ; variable x
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        SUB     sD,12D
// CHECK-NEXT:        FETCH   s2,(sD)
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_2
// CHECK-NEXT:        SUB     sF,100 ;stack_sync
// CHECK-NEXT:        ADD     sF,100 ;stack_sync
// CHECK-NEXT:        JUMP    label_2 ;break
// CHECK-NEXT:        ADD     sF,100 ;stack_sync
// CHECK-NEXT:        JUMP    label_1
// CHECK-NEXT:label_2:
// CHECK-NEXT:        ; variable buf
// CHECK-NEXT:        LOAD    s2,D4
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; constant 0
// CHECK-NEXT:        LOAD    s0,00
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s2,(s2)
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        SUB     sD,12D
// CHECK-NEXT:        STORE   s2,(sD)
// CHECK-NEXT:label_0:
