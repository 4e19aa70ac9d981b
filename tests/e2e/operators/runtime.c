// The runtime routines: each one that a translation called is written once,
// after the last function, in a fixed order, together with the routines it
// jumps into; unused ones are left out.
// RUN: split-file %s %t
// RUN: %tarvelcc %t/all.c | FileCheck %s --match-full-lines --strict-whitespace
// RUN: %tarvelcc %t/none.c | FileCheck %s --check-prefix=NONE
// RUN: %tarvelcc %t/u8.c | FileCheck %s --check-prefix=U8 --match-full-lines
// RUN: %tarvelcc %t/s8.c | FileCheck %s --check-prefix=S8 --match-full-lines
// RUN: %tarvelcc %t/mixed16.c | FileCheck %s --check-prefix=M16 --match-full-lines
// NONE-NOT:{{^(mult|div)}}
// U8:        CALL    mult8x8
// U8-NOT:{{^(mult|div)}}
// U8:mult8x8:
// U8-NOT:{{^(mult|div)[0-9x]*:}}
// U8:        ;==  C compiler for ZEFO Tarvel platform  ==
// S8:        CALL    mult7x7
// S8:mult7x7:
// S8-NOT:{{^(mult|div)[0-9x]*:}}
// S8:mult8x7:
// S8-NOT:{{^(mult|div)[0-9x]*:}}
// S8:mult7x8:
// S8-NOT:{{^(mult|div)[0-9x]*:}}
// S8:        ;==  C compiler for ZEFO Tarvel platform  ==
// M16:        CALL    mult16x15
// M16-NOT:{{^(mult|div)[0-9x]*:}}
// M16:mult16x15:
// M16-NEXT:        LOAD    s5,s1
// M16-NOT:{{^(mult|div)[0-9x]*:}}
// M16:mult15x16:
// M16-NOT:{{^(mult|div)[0-9x]*:}}
// M16:        ;==  C compiler for ZEFO Tarvel platform  ==

//--- none.c
int i; int j;
void main() { i = 6 * 7 % 5 / 2; j = i + 1; }
//--- u8.c
unsigned char u; unsigned char v;
void main() { u * v; u * v; }
//--- s8.c
char c; char d;
void main() { c * d; }
//--- mixed16.c
int i; unsigned int w;
void main() { w * i; }
//--- all.c
// Every routine, several of them called from two functions.
unsigned char u; unsigned char v; char c; char d;
unsigned int w; unsigned int x; int i; int j;
void all() {
  w * x; i * j; w * i; i * w; u * v; c * d; c * u; u * c; u / v; w / x;
}
void again() { u * v; w % x; i / j; c % d; }
// CHECK:mult16x16:
// CHECK-NEXT:        LOAD    s5,s3
// CHECK-NEXT:        LOAD    s4,s2
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        LOAD    s2,00
// CHECK-NEXT:        LOAD    sD,10
// CHECK-NEXT:mult16x16_l1:
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SLA     s3
// CHECK-NEXT:        SLA     s4
// CHECK-NEXT:        SLA     s5
// CHECK-NEXT:        JUMP    NC,mult16x16_l2
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:mult16x16_l2:
// CHECK-NEXT:        SUB     sD,01
// CHECK-NEXT:        JUMP    NZ,mult16x16_l1
// CHECK-NEXT:        RETURN
// CHECK-EMPTY:
// CHECK-NEXT:mult15x15:
// CHECK-NEXT:        TEST    s3,80
// CHECK-NEXT:        JUMP    Z,mult16x15
// CHECK-NEXT:        TEST    s1,80
// CHECK-NEXT:        JUMP    Z,mult15x16
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:        XOR     s0,FF
// CHECK-NEXT:        XOR     s1,FF
// CHECK-NEXT:        ADD     s0,01
// CHECK-NEXT:        ADDCY    s1,00
// CHECK-NEXT:        JUMP    mult16x15
// CHECK-NEXT:mult16x15:
// CHECK-NEXT:        LOAD    s5,s1
// CHECK-NEXT:        LOAD    s4,s0
// CHECK-NEXT:        LOAD    s1,s3
// CHECK-NEXT:        LOAD    s0,s2
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        LOAD    s2,00
// CHECK-NEXT:        JUMP    mult15x16_l3
// CHECK-NEXT:mult15x16:
// CHECK-NEXT:        LOAD    s5,s3
// CHECK-NEXT:        LOAD    s4,s2
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        LOAD    s2,00
// CHECK-NEXT:mult15x16_l3:
// CHECK-NEXT:        TEST    s5,80
// CHECK-NEXT:        JUMP    Z,mult15x16_l0
// CHECK-NEXT:        XOR     s4,FF
// CHECK-NEXT:        XOR     s5,FF
// CHECK-NEXT:        ADD     s4,01
// CHECK-NEXT:        ADDCY    s5,00
// CHECK-NEXT:        LOAD    s3,80
// CHECK-NEXT:mult15x16_l0:
// CHECK-NEXT:        SL0     s3
// CHECK-NEXT:        SLA     s4
// CHECK-NEXT:        SLA     s5
// CHECK-NEXT:        LOAD    sD,0F
// CHECK-NEXT:mult15x16_l1:
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SLA     s3
// CHECK-NEXT:        SLA     s4
// CHECK-NEXT:        SLA     s5
// CHECK-NEXT:        JUMP    NC,mult15x16_l2
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:mult15x16_l2:
// CHECK-NEXT:        SUB     sD,01
// CHECK-NEXT:        JUMP    NZ,mult15x16_l1
// CHECK-NEXT:        AND     s3,7F
// CHECK-NEXT:        TEST    s5,80
// CHECK-NEXT:        RETURN  Z
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:        RETURN
// CHECK-EMPTY:
// CHECK-NEXT:mult8x8:
// CHECK-NEXT:        LOAD    s1,s2
// CHECK-NEXT:        LOAD    s2,00
// CHECK-NEXT:        LOAD    s3,s0
// CHECK-NEXT:        LOAD    s0,08
// CHECK-NEXT:mult8x8_l1:
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SLA     s3
// CHECK-NEXT:        JUMP    NC,mult8x8_l2
// CHECK-NEXT:        ADD     s2,s1
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:mult8x8_l2:
// CHECK-NEXT:        SUB     s0,01
// CHECK-NEXT:        JUMP    NZ,mult8x8_l1
// CHECK-NEXT:        RETURN
// CHECK-EMPTY:
// CHECK-NEXT:mult7x7:
// CHECK-NEXT:        TEST    s2,80
// CHECK-NEXT:        JUMP    Z,mult7x8
// CHECK-NEXT:        TEST    s0,80
// CHECK-NEXT:        JUMP    Z,mult8x7
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        XOR     s0,FF
// CHECK-NEXT:        ADD     s0,01
// CHECK-NEXT:        JUMP    mult7x8
// CHECK-NEXT:mult8x7:
// CHECK-NEXT:        LOAD    s1,s0
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        LOAD    s2,00
// CHECK-NEXT:        JUMP    mult7x8_l0
// CHECK-NEXT:mult7x8:
// CHECK-NEXT:        LOAD    s1,s2
// CHECK-NEXT:        LOAD    s2,00
// CHECK-NEXT:        LOAD    s3,s0
// CHECK-NEXT:mult7x8_l0:
// CHECK-NEXT:        TEST    s3,80
// CHECK-NEXT:        JUMP    Z,mult7x8_l3
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ADD     s3,01
// CHECK-NEXT:        LOAD    s2,80
// CHECK-NEXT:mult7x8_l3:
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SLA     s3
// CHECK-NEXT:        LOAD    s0,07
// CHECK-NEXT:mult7x8_l1:
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SLA     s3
// CHECK-NEXT:        JUMP    NC,mult7x8_l2
// CHECK-NEXT:        ADD     s2,s1
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:mult7x8_l2:
// CHECK-NEXT:        SUB     s0,01
// CHECK-NEXT:        JUMP    NZ,mult7x8_l1
// CHECK-NEXT:        TEST    s3,80
// CHECK-NEXT:        RETURN  Z
// CHECK-NEXT:        AND     s3,7F
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        ADD     s2,01
// CHECK-NEXT:        ADDCY    s3,00
// CHECK-NEXT:        RETURN
// CHECK-EMPTY:
// CHECK-NEXT:div8x8:
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        OR		 s0,s0
// CHECK-NEXT:        RETURN  Z
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SLA     s3
// CHECK-NEXT:        LOAD    s1,07
// CHECK-NEXT:div8x8_l1:
// CHECK-NEXT:        COMPARE s3,s0
// CHECK-NEXT:        JUMP    C,div8x8_l2
// CHECK-NEXT:        SUB     s3,s0
// CHECK-NEXT:div8x8_l2:
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        SLA     s3
// CHECK-NEXT:        SUB     s1,01
// CHECK-NEXT:        JUMP    NZ,div8x8_l1
// CHECK-NEXT:        COMPARE s3,s0
// CHECK-NEXT:        JUMP    C,div8x8_l3
// CHECK-NEXT:        SUB     s3,s0
// CHECK-NEXT:div8x8_l3:
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        RETURN
// CHECK-EMPTY:
// CHECK-NEXT:div16x16:
// CHECK-NEXT:        LOAD    s4,00
// CHECK-NEXT:        LOAD    s5,00
// CHECK-NEXT:        LOAD    sD,s0
// CHECK-NEXT:        OR      sD,s1
// CHECK-NEXT:        RETURN  Z
// CHECK-NEXT:        SL0     s2
// CHECK-NEXT:        SLA     s3
// CHECK-NEXT:        SLA     s4
// CHECK-NEXT:        SLA     s5
// CHECK-NEXT:        LOAD    sD,0F
// CHECK-NEXT:div16x16_l1:
// CHECK-NEXT:        COMPARE s5,s1
// CHECK-NEXT:        JUMP    C,div16x16_l2
// CHECK-NEXT:        JUMP    NZ,div16x16_l4
// CHECK-NEXT:        COMPARE s4,s0
// CHECK-NEXT:        JUMP    C,div16x16_l2
// CHECK-NEXT:div16x16_l4:
// CHECK-NEXT:        SUB     s4,s0
// CHECK-NEXT:        SUBCY    s5,s1
// CHECK-NEXT:div16x16_l2:
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        SLA     s3
// CHECK-NEXT:        SLA     s4
// CHECK-NEXT:        SLA     s5
// CHECK-NEXT:        SUB     sD,01
// CHECK-NEXT:        JUMP    NZ,div16x16_l1
// CHECK-NEXT:        COMPARE s5,s1
// CHECK-NEXT:        JUMP    C,div16x16_l3
// CHECK-NEXT:        JUMP    NZ,div16x16_l5
// CHECK-NEXT:        COMPARE s4,s0
// CHECK-NEXT:        JUMP    C,div16x16_l3
// CHECK-NEXT:div16x16_l5:
// CHECK-NEXT:        SUB     s4,s0
// CHECK-NEXT:        SUBCY    s5,s1
// CHECK-NEXT:div16x16_l3:
// CHECK-NEXT:        SLA     s2
// CHECK-NEXT:        SLA     s3
// CHECK-NEXT:        XOR     s2,FF
// CHECK-NEXT:        XOR     s3,FF
// CHECK-NEXT:        RETURN
// CHECK-EMPTY:
// CHECK-NEXT:        ;========================================================
