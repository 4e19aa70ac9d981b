// The value of an assignment through a pointer or an index.  When nothing
// reads it (expression statement, for clause, left of a comma, an increment
// whose own value is dropped) the store ends as usual: "LOAD s2,s0" after a
// store at a simple address, nothing after a store at a computed address.
// When it is read, pair 1 holds the stored value: nothing more after a
// simple store, the value copied back from pair 0 after a computed one.
// RUN: %tarvelcc %s | FileCheck %s --match-full-lines --strict-whitespace
char c; char d; char a[4]; int w[2]; int i; char *q;
void take(char v);
char chained() { c = *q = d; c = a[c] = d; i = w[c] = i; return a[c] = d; }
void operand() { (a[c] = d) + 1; take(a[c] = d); if (a[c] = d) c = 0; }
void dropped() { for (a[c] = 0; c; a[c] = 1) ; (a[c] = 1, d); (d, a[c] = 1); *q = 2; }
void steps() { ++a[c]; c = ++a[c]; c = --w[c]; c = ++*q; ++*q; }
void take(char v) {}

// CHECK-LABEL:_chained:
// CHECK:        STORE   s2,(s0)
// CHECK-NEXT:        ; store directly
// CHECK:        STORE   s0,(s2)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        ; store directly
// CHECK:        STORE   s1,(s2)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        LOAD    s3,s1
// CHECK-NEXT:        ; store directly
// CHECK:        STORE   s0,(s2)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        JUMP    label_0 ;return

// CHECK-LABEL:_operand:
// CHECK:        STORE   s0,(s2)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        ; constant 1
// CHECK-NEXT:        LOAD    s0,01
// CHECK-NEXT:        ; ((a)+(c))=(d) plus 1
// CHECK:        STORE   s0,(s2)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        SUB     sF,01
// CHECK-NEXT:        STORE   s2,(sF)
// CHECK-NEXT:        CALL    _take
// CHECK:        STORE   s0,(s2)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        OR      s2,s2

// CHECK-LABEL:_dropped:
// CHECK:        STORE   s0,(s2)
// CHECK-NEXT:label_5:
// CHECK:        STORE   s0,(s2)
// CHECK-NEXT:        JUMP    label_5
// CHECK-NEXT:label_6:
// CHECK:        STORE   s0,(s2)
// CHECK-NEXT:        ; variable d
// CHECK-NEXT:        FETCH   s2,3E
// CHECK-NEXT:        ; variable d
// CHECK:        STORE   s0,(s2)
// CHECK-NEXT:        ; constant 2
// CHECK:        STORE   s2,(s0)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:label_4:

// CHECK-LABEL:_steps:
// CHECK:        STORE   s0,(s2)
// CHECK-NEXT:        ; prefix plus
// CHECK:        STORE   s0,(s2)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        ; store directly
// CHECK:        STORE   s1,(s2)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:        LOAD    s3,s1
// CHECK-NEXT:        ; store directly
// CHECK:        STORE   s2,(s0)
// CHECK-NEXT:        ; store directly
// CHECK:        STORE   s2,(s0)
// CHECK-NEXT:        LOAD    s2,s0
// CHECK-NEXT:label_7:
