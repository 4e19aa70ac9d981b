// Operand loads into s2/s3 (a value on its own or a left operand) and into
// s0/s1 (a simple right operand): statics by address, arrays by their
// address (afterwards a pointer, so assigning one to a pointer is accepted),
// parameters above and locals below the frame pointer, constants of one and
// two bytes high byte first, casts widening by the operand's signedness and
// never narrowing with code, and dereferences of one- and two-byte elements.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
int g;
char c;
unsigned char u;
char ga[2];
int *ip;
char *cp;
void statics() { g; g + g; ga; }
void frame(char a, int b, char c) { char l; char m; char la[2]; int w; a; b; c; l; m + b; cp = la; w; }
void numbers() { g = 300; c = -1; g + 300; }
void casts() { (int)c; (int)u; (char)g; g + (int)u; }
void derefs() { *ip; *cp; g + *ip; c + *cp; }

// CHECK-LABEL:_statics:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable g
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        FETCH   s3,3F
// CHECK-NEXT:        ; variable g
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        FETCH   s3,3F
// CHECK-NEXT:        ; variable g
// CHECK-NEXT:        FETCH   s0,3E
// CHECK-NEXT:        FETCH   s1,3F
// CHECK-NEXT:        ; g plus g
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        ; variable ga
// CHECK-NEXT:        LOAD    s2,3A
// CHECK-NEXT:label_0:

// CHECK-LABEL:_frame:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        SUB     sF,01 ;stack_sync
// CHECK-NEXT:        SUB     sF,01 ;stack_sync
// CHECK-NEXT:        SUB     sF,02 ;stack_sync
// CHECK-NEXT:        SUB     sF,02 ;stack_sync
// CHECK-NEXT:        ; variable a
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        ADD     sD,01
// CHECK-NEXT:        FETCH   s2,(sD)
// CHECK-NEXT:        ; variable b
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        ADD     sD,02
// CHECK-NEXT:        FETCH   s2,(sD)
// CHECK-NEXT:        ADD     sD,01
// CHECK-NEXT:        FETCH   s3,(sD)
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        ADD     sD,04
// CHECK-NEXT:        FETCH   s2,(sD)
// CHECK-NEXT:        ; variable l
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        SUB     sD,01
// CHECK-NEXT:        FETCH   s2,(sD)
// CHECK-NEXT:        ; variable m
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        SUB     sD,02
// CHECK-NEXT:        FETCH   s2,(sD)
// CHECK-NEXT:        ; variable b
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        ADD     sD,02
// CHECK-NEXT:        FETCH   s0,(sD)
// CHECK-NEXT:        ADD     sD,01
// CHECK-NEXT:        FETCH   s1,(sD)
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_2
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_2:
// CHECK-NEXT:        ; m plus b
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        ; variable la
// CHECK-NEXT:        LOAD    s2,FC
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,38
// CHECK-NEXT:        ; variable w
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        SUB     sD,06
// CHECK-NEXT:        FETCH   s2,(sD)
// CHECK-NEXT:        ADD     sD,01
// CHECK-NEXT:        FETCH   s3,(sD)
// CHECK-NEXT:label_1:

// CHECK-LABEL:_numbers:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; constant 300
// CHECK-NEXT:        LOAD    s3,01
// CHECK-NEXT:        LOAD    s2,2C
// CHECK:        ; constant -1
// CHECK-NEXT:        LOAD    s2,FF
// CHECK:        ; constant 300
// CHECK-NEXT:        LOAD    s1,01
// CHECK-NEXT:        LOAD    s0,2C
// CHECK-NEXT:        ; g plus 300

// CHECK-LABEL:_casts:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        ; type conversion 
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        AND     s3,80
// CHECK-NEXT:        JUMP    Z,label_5
// CHECK-NEXT:        LOAD    s3,FF
// CHECK-NEXT:label_5:
// CHECK-NEXT:        ; variable u
// CHECK-NEXT:        FETCH   s2,3C
// CHECK-NEXT:        ; type conversion 
// CHECK-NEXT:        LOAD    s3,00
// CHECK-NEXT:        ; variable g
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        FETCH   s3,3F
// CHECK-NEXT:        ; type conversion 
// CHECK-NEXT:        ; variable g
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        FETCH   s3,3F
// CHECK-NEXT:        ; variable u
// CHECK-NEXT:        FETCH   s0,3C
// CHECK-NEXT:        ; type conversion 
// CHECK-NEXT:        LOAD    s1,00
// CHECK-NEXT:        ; g plus (cast 9220)
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:label_4:

// CHECK-LABEL:_derefs:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable ip
// CHECK-NEXT:        FETCH   s2,39
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        FETCH   s2,(s3)
// CHECK-NEXT:        ADD     s3,01
// CHECK-NEXT:        FETCH   s3,(s3)
// CHECK-NEXT:        ; variable cp
// CHECK-NEXT:        FETCH   s2,38
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s2,(s2)
// CHECK-NEXT:        ; variable g
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        FETCH   s3,3F
// CHECK-NEXT:        ; variable ip
// CHECK-NEXT:        FETCH   s0,39
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        LOAD    s1,s0
// CHECK-NEXT:        FETCH   s0,(s1)
// CHECK-NEXT:        ADD     s1,01
// CHECK-NEXT:        FETCH   s1,(s1)
// CHECK-NEXT:        ; g plus  *(ip) 
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s2,3D
// CHECK-NEXT:        ; variable cp
// CHECK-NEXT:        FETCH   s0,38
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s0,(s0)
// CHECK-NEXT:        ; c plus  *(cp) 
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:label_6:
