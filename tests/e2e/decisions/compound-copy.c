// A compound assignment or an increment reads its target through a copy of
// the target expression, so an array target is still an array when it is
// stored to: the element address is computed again from the array's own
// address (static, or frame-relative for a local array), and *a stores
// straight into the first element.  Scalars and pointer targets keep their
// usual text.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
char a[4]; int w[2]; char c; char *q; int *p; int i;
void statics() { a[c] += 3; ++a[c]; --w[c]; *a += 2; ++*w; }
void locals() { char b[3]; b[c] += 3; ++b[c]; *b += 2; ++*b; }
void scalars() { i += c; *q += 1; ++*p; }
// CHECK-LABEL:_statics:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable a
// CHECK-NEXT:        LOAD    s2,3C
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,37
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s2,(s2)
// CHECK-NEXT:        ; constant 3
// CHECK-NEXT:        LOAD    s0,03
// CHECK-NEXT:        ;  *((a)+(c))  plus 3
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store standardly 01 byte(s)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable a
// CHECK-NEXT:        LOAD    s2,3C
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,37
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        STORE   s0,(s2)
// CHECK-NEXT:        ; prefix plus
// CHECK-NEXT:        ; variable a
// CHECK-NEXT:        LOAD    s2,3C
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,37
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s2,(s2)
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ;  *((a)+(c))  plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store standardly 01 byte(s)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable a
// CHECK-NEXT:        LOAD    s2,3C
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,37
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        STORE   s0,(s2)
// CHECK-NEXT:        ; prefix minus
// CHECK-NEXT:        ; variable w
// CHECK-NEXT:        LOAD    s2,38
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,37
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        FETCH   s2,(s3)
// CHECK-NEXT:        ADD     s3,01
// CHECK-NEXT:        FETCH   s3,(s3)
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        LOAD    s1,00
// CHECK-NEXT:        ;  *((w)+(c))  minus 1
// CHECK-NEXT:        SUB     s2,s0
// CHECK-NEXT:        SUBCY    s3,s1
// CHECK-NEXT:        ; store standardly 02 byte(s)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s3,(sF)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable w
// CHECK-NEXT:        LOAD    s2,38
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,37
// CHECK-NEXT:        ADD     s0,s0
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        FETCH   s1,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        STORE   s0,(s2)
// CHECK-NEXT:        ADD     s2,1
// CHECK-NEXT:        STORE   s1,(s2)
// CHECK-NEXT:        ; variable a
// CHECK-NEXT:        LOAD    s2,3C
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s2,(s2)
// CHECK-NEXT:        ; constant 2
// CHECK-NEXT:        LOAD    s0,02
// CHECK-NEXT:        ;  *(a)  plus 2
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store directly array
// CHECK-NEXT:        STORE   s2,3C
// CHECK-NEXT:        ; prefix plus
// CHECK-NEXT:        ; variable w
// CHECK-NEXT:        LOAD    s2,38
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        FETCH   s2,(s3)
// CHECK-NEXT:        ADD     s3,01
// CHECK-NEXT:        FETCH   s3,(s3)
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        LOAD    s1,00
// CHECK-NEXT:        ;  *(w)  plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        ; store directly array
// CHECK-NEXT:        STORE   s2,38
// CHECK-NEXT:        STORE   s3,39
// CHECK-NEXT:label_0:
// CHECK-LABEL:_locals:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        SUB     sF,03 ;stack_sync
// CHECK-NEXT:        ; variable b
// CHECK-NEXT:        LOAD    s2,FD
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,37
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s2,(s2)
// CHECK-NEXT:        ; constant 3
// CHECK-NEXT:        LOAD    s0,03
// CHECK-NEXT:        ;  *((b)+(c))  plus 3
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store standardly 01 byte(s)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable b
// CHECK-NEXT:        LOAD    s2,FD
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,37
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        STORE   s0,(s2)
// CHECK-NEXT:        ; prefix plus
// CHECK-NEXT:        ; variable b
// CHECK-NEXT:        LOAD    s2,FD
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,37
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s2,(s2)
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ;  *((b)+(c))  plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store standardly 01 byte(s)
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        ; variable b
// CHECK-NEXT:        LOAD    s2,FD
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,37
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        FETCH   s0,(sF)
// CHECK-NEXT:        ADD     sF,01
// CHECK-NEXT:        STORE   s0,(s2)
// CHECK-NEXT:        ; variable b
// CHECK-NEXT:        LOAD    s2,FD
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s2,(s2)
// CHECK-NEXT:        ; constant 2
// CHECK-NEXT:        LOAD    s0,02
// CHECK-NEXT:        ;  *(b)  plus 2
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store directly array
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        SUB     sD,03
// CHECK-NEXT:        STORE   s2,(sD)
// CHECK-NEXT:        ; prefix plus
// CHECK-NEXT:        ; variable b
// CHECK-NEXT:        LOAD    s2,FD
// CHECK-NEXT:        ADD     s2,sE
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s2,(s2)
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ;  *(b)  plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store directly array
// CHECK-NEXT:        LOAD    sD,sE
// CHECK-NEXT:        SUB     sD,03
// CHECK-NEXT:        STORE   s2,(sD)
// CHECK-NEXT:label_1:
// CHECK-LABEL:_scalars:
// CHECK:        LOAD    sE,sF
// CHECK-NEXT:        ; variable i
// CHECK-NEXT:        FETCH   s2,33
// CHECK-NEXT:        FETCH   s3,34
// CHECK-NEXT:        ; variable c
// CHECK-NEXT:        FETCH   s0,37
// CHECK-NEXT:        LOAD    s1,s0
// CHECK-NEXT:        AND     s1,80
// CHECK-NEXT:        JUMP    Z,label_3
// CHECK-NEXT:        LOAD    s1,FF
// CHECK-NEXT:label_3:
// CHECK-NEXT:        ; i plus c
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        ; store directly
// CHECK-NEXT:        ; reference
// CHECK-NEXT:        ; store variable
// CHECK-NEXT:        STORE   s2,33
// CHECK-NEXT:        STORE   s3,34
// CHECK-NEXT:        ; variable q
// CHECK-NEXT:        FETCH   s2,36
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        FETCH   s2,(s2)
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ;  *(q)  plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ; store simple
// CHECK-NEXT:        ; variable q
// CHECK-NEXT:        FETCH   s0,36
// CHECK-NEXT:        STORE   s2,(s0)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        ; prefix plus
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s2,35
// CHECK-NEXT:        ; dereference
// CHECK-NEXT:        LOAD    s3,s2
// CHECK-NEXT:        FETCH   s2,(s3)
// CHECK-NEXT:        ADD     s3,01
// CHECK-NEXT:        FETCH   s3,(s3)
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        LOAD    s1,00
// CHECK-NEXT:        ;  *(p)  plus 1
// CHECK-NEXT:        ADD     s2,s0
// CHECK-NEXT:        ADDCY    s3,s1
// CHECK-NEXT:        ; store simple
// CHECK-NEXT:        ; variable p
// CHECK-NEXT:        FETCH   s0,35
// CHECK-NEXT:        STORE   s2,(s0)
// CHECK-NEXT:        ADD     s0,1
// CHECK-NEXT:        STORE   s3,(s0)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:label_2:
