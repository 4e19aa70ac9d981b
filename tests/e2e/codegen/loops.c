// Nested loops and a switch with locals declared at several depths: break
// and continue first release the bytes declared since the construct they
// leave was entered (a continue inside a switch belongs to the enclosing
// loop and releases the switch's locals too), each loop restores the
// enclosing loop's targets, and every block releases its own locals at its
// end.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
char c;
void main() {
  int a;
  while (c) {
    int i;
    char d;
    for (c; c = 1) {
      char e;
      if (c) break;
      continue;
    }
    switch (c) { case 1: { char s; if (c) break; continue; } }
    break;
  }
}
// CHECK-LABEL:_main:
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   sE,(sF)
// CHECK-NEXT:        LOAD    sE,sF
// CHECK-NEXT:        SUB     sF,02 ;stack_sync
// CHECK-NEXT:label_1:
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_2
// CHECK-NEXT:        SUB     sF,02 ;stack_sync
// CHECK-NEXT:        SUB     sF,01 ;stack_sync
// CHECK-NEXT:label_3:
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_4
// CHECK-NEXT:        SUB     sF,01 ;stack_sync
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_5
// CHECK-NEXT:        ADD     sF,01 ;stack_sync
// CHECK-NEXT:        JUMP    label_4 ;break
// CHECK-NEXT:        JUMP    label_6
// CHECK-NEXT:label_5:
// CHECK-NEXT:label_6:
// CHECK-NEXT:        ADD     sF,01 ;stack_sync
// CHECK-NEXT:        JUMP    label_3 ;continue
// CHECK-NEXT:        ADD     sF,01 ;stack_sync
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK-NEXT:        JUMP    label_3
// CHECK-NEXT:label_4:
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        SUB     s0,s2
// CHECK-NEXT:        JUMP    Z,label_8_1 ;case 01
// CHECK-NEXT:        JUMP    label_8 ;default
// CHECK-NEXT:label_8_1:
// CHECK-NEXT:        SUB     sF,01 ;stack_sync
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_9
// CHECK-NEXT:        ADD     sF,01 ;stack_sync
// CHECK-NEXT:        JUMP    label_7 ;break
// CHECK-NEXT:        JUMP    label_10
// CHECK-NEXT:label_9:
// CHECK-NEXT:label_10:
// CHECK-NEXT:        ADD     sF,04 ;stack_sync
// CHECK-NEXT:        JUMP    label_1 ;continue
// CHECK-NEXT:        ADD     sF,01 ;stack_sync
// CHECK-NEXT:label_8:
// CHECK-NEXT:label_7:
// CHECK-NEXT:        ADD     sF,03 ;stack_sync
// CHECK-NEXT:        JUMP    label_2 ;break
// CHECK-NEXT:        ADD     sF,03 ;stack_sync
// CHECK-NEXT:        JUMP    label_1
// CHECK-NEXT:label_2:
// CHECK-NEXT:label_0:
// CHECK-NEXT:        LOAD    sF,sE
