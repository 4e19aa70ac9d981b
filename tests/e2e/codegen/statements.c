// Label layout of every statement.  if: else and exit labels are taken
// before the condition, the jump to the exit is written without an else too.
// Loops: a non-zero constant condition is neither translated nor tested, an
// empty one writes nothing; do-while repeats with JUMP NZ to its top label
// and has its continue label before the condition; for runs its initial
// expression before the start label, continue jumps to the condition and
// skips the step; the two-part for is condition and step.  return leaves an
// int in s2/s3 in a char function, without conversion.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
char c;
int i;
void ifs() {
  if (c) i = 1;
  if (i) c = 1; else c = 2;
}
void whiles() {
  while (1) c = 3;
  while (c) c = 4;
  while () ;
}
void dos() {
  do c = 5; while (1);
  do c = 6; while (c);
  do ; while ();
}
void fors() {
  for (;;) break;
  for (i = 0; i; i = 7) continue;
  for (c; i = 8) ;
  for (; 2;) ;
}
char ret() { if (c) return; return i; }
// CHECK-LABEL:_ifs:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_1
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        STORE   s2,3D
// CHECK-NEXT:        STORE   s3,3E
// CHECK-NEXT:        JUMP    label_2
// CHECK-NEXT:label_1:
// CHECK-NEXT:label_2:
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        FETCH   s3,3E
// CHECK-NEXT:        OR      s2,s3
// CHECK-NEXT:        JUMP    Z,label_3
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s2,01
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK-NEXT:        JUMP    label_4
// CHECK-NEXT:label_3:
// CHECK-NEXT:        ; constant 2
// CHECK-NEXT:        LOAD    s2,02
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK-NEXT:label_4:
// CHECK-NEXT:label_0:
// CHECK-NEXT:        LOAD    sF,sE
// CHECK-LABEL:_whiles:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:label_6:
// CHECK-NEXT:        ; constant 3
// CHECK-NEXT:        LOAD    s2,03
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK-NEXT:        JUMP    label_6
// CHECK-NEXT:label_7:
// CHECK-NEXT:label_8:
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_9
// CHECK-NEXT:        ; constant 4
// CHECK-NEXT:        LOAD    s2,04
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK-NEXT:        JUMP    label_8
// CHECK-NEXT:label_9:
// CHECK-NEXT:label_10:
// CHECK-NEXT:        JUMP    label_10
// CHECK-NEXT:label_11:
// CHECK-NEXT:label_5:
// CHECK-NEXT:        LOAD    sF,sE
// CHECK-LABEL:_dos:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:label_13:
// CHECK-NEXT:        ; constant 5
// CHECK-NEXT:        LOAD    s2,05
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK-NEXT:label_14:
// CHECK-NEXT:        JUMP    label_13
// CHECK-NEXT:label_15:
// CHECK-NEXT:label_16:
// CHECK-NEXT:        ; constant 6
// CHECK-NEXT:        LOAD    s2,06
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,3F
// CHECK-NEXT:label_17:
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    NZ,label_16
// CHECK-NEXT:label_18:
// CHECK-NEXT:label_19:
// CHECK-NEXT:label_20:
// CHECK-NEXT:label_21:
// CHECK-NEXT:label_12:
// CHECK-NEXT:        LOAD    sF,sE
// CHECK-LABEL:_fors:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:label_23:
// CHECK-NEXT:        JUMP    label_24 ;break
// CHECK-NEXT:        JUMP    label_23
// CHECK-NEXT:label_24:
// CHECK-NEXT:        ; constant 0
// CHECK-NEXT:        LOAD    s2,00
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        STORE   s2,3D
// CHECK-NEXT:        STORE   s3,3E
// CHECK-NEXT:label_25:
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        FETCH   s3,3E
// CHECK-NEXT:        OR      s2,s3
// CHECK-NEXT:        JUMP    Z,label_26
// CHECK-NEXT:        JUMP    label_25 ;continue
// CHECK-NEXT:        ; constant 7
// CHECK-NEXT:        LOAD    s2,07
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        STORE   s2,3D
// CHECK-NEXT:        STORE   s3,3E
// CHECK-NEXT:        JUMP    label_25
// CHECK-NEXT:label_26:
// CHECK-NEXT:label_27:
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_28
// CHECK-NEXT:        ; constant 8
// CHECK-NEXT:        LOAD    s2,08
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        STORE   s2,3D
// CHECK-NEXT:        STORE   s3,3E
// CHECK-NEXT:        JUMP    label_27
// CHECK-NEXT:label_28:
// CHECK-NEXT:label_29:
// CHECK-NEXT:        JUMP    label_29
// CHECK-NEXT:label_30:
// CHECK-NEXT:label_22:
// CHECK-NEXT:        LOAD    sF,sE
// CHECK-LABEL:_ret:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3F
// CHECK-NEXT:        OR      s2,s2
// CHECK-NEXT:        JUMP    Z,label_32
// CHECK-NEXT:        JUMP    label_31 ;return
// CHECK-NEXT:        JUMP    label_33
// CHECK-NEXT:label_32:
// CHECK-NEXT:label_33:
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        FETCH   s3,3E
// CHECK-NEXT:        JUMP    label_31 ;return
// CHECK-NEXT:label_31:
// CHECK-NEXT:        LOAD    sF,sE
