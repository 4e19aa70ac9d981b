// Every error found while writing code: one line "file:line: message" on
// stderr naming the line of the offending expression, status 1, and the
// assembly written up to the error kept on stdout with nothing after it
// (each check reads stdout followed by stderr).
// RUN: split-file %s %t
// RUN: %expect 1 %tarvelcc %t/call.c >%t/call.out 2>%t/call.err && cat %t/call.out %t/call.err | FileCheck %s --check-prefix=CALL --match-full-lines --strict-whitespace
// CALL:        ; variable f
// CALL-NEXT:{{.*}}call.c:3: function is called without parameter
// CALL-NOT:{{.+}}

// RUN: %expect 1 %tarvelcc %t/deref.c >%t/deref.out 2>%t/deref.err && cat %t/deref.out %t/deref.err | FileCheck %s --check-prefix=DEREF --match-full-lines --strict-whitespace
// DEREF:        ; variable c
// DEREF-NEXT:        FETCH   s2,3F
// DEREF-NEXT:        ; dereference
// DEREF-NEXT:{{.*}}deref.c:3: dereference needs pointer !
// DEREF-NOT:{{.+}}

// A dereference loaded as a right operand has its own wording.
// RUN: %expect 1 %tarvelcc %t/simple.c >%t/simple.out 2>%t/simple.err && cat %t/simple.out %t/simple.err | FileCheck %s --check-prefix=SIMPLE --match-full-lines --strict-whitespace
// SIMPLE:        LOAD    s2,01
// SIMPLE-NEXT:        ; variable c
// SIMPLE-NEXT:        FETCH   s0,3F
// SIMPLE-NEXT:        ; dereference
// SIMPLE-NEXT:{{.*}}simple.c:3: dereference must use pointer !
// SIMPLE-NOT:{{.+}}

// The address of a number, and a number as the target of an assignment.
// RUN: %expect 1 %tarvelcc %t/number.c >%t/number.out 2>%t/number.err && cat %t/number.out %t/number.err | FileCheck %s --check-prefix=NUMBER --match-full-lines --strict-whitespace
// NUMBER:        LOAD    sE,sF
// NUMBER-NEXT:        SUB     sF,01 ;stack_sync
// NUMBER-NEXT:        ; reference
// NUMBER-NEXT:{{.*}}number.c:3: reference to constant or writing to constant is not possible
// NUMBER-NOT:{{.+}}
// RUN: %expect 1 %tarvelcc %t/target.c >%t/target.out 2>%t/target.err && cat %t/target.out %t/target.err | FileCheck %s --check-prefix=TARGET --match-full-lines --strict-whitespace
// TARGET:        FETCH   s2,3F
// TARGET-NEXT:        ; store directly
// TARGET-NEXT:        ; reference
// TARGET-NEXT:{{.*}}target.c:3: reference to constant or writing to constant is not possible
// TARGET-NOT:{{.+}}

// RUN: %expect 1 %tarvelcc %t/sum.c >%t/sum.out 2>%t/sum.err && cat %t/sum.out %t/sum.err | FileCheck %s --check-prefix=SUM --match-full-lines --strict-whitespace
// SUM:        SUB     sF,01 ;stack_sync
// SUM-NEXT:        ; reference
// SUM-NEXT:{{.*}}sum.c:3: attempt for reference of expression which has no reference
// SUM-NOT:{{.+}}

// RUN: %expect 1 %tarvelcc %t/array.c >%t/array.out 2>%t/array.err && cat %t/array.out %t/array.err | FileCheck %s --check-prefix=ARRAY --match-full-lines --strict-whitespace
// ARRAY:        SUB     sF,01 ;stack_sync
// ARRAY-NEXT:        ; reference
// ARRAY-NEXT:{{.*}}array.c:3: array has no reference
// ARRAY-NOT:{{.+}}

// A const parameter is a constant variable.
// RUN: %expect 1 %tarvelcc %t/const.c >%t/const.out 2>%t/const.err && cat %t/const.out %t/const.err | FileCheck %s --check-prefix=CONST --match-full-lines --strict-whitespace
// CONST:        SUB     sF,01 ;stack_sync
// CONST-NEXT:        ; reference
// CONST-NEXT:{{.*}}const.c:3: constant has no reference
// CONST-NOT:{{.+}}

// A defined function and a prototype alike.
// RUN: %expect 1 %tarvelcc %t/function.c >%t/function.out 2>%t/function.err && cat %t/function.out %t/function.err | FileCheck %s --check-prefix=FUNCTION --match-full-lines --strict-whitespace
// RUN: %expect 1 %tarvelcc %t/prototype.c >%t/prototype.out 2>%t/prototype.err && cat %t/prototype.out %t/prototype.err | FileCheck %s --check-prefix=FUNCTION --match-full-lines --strict-whitespace
// FUNCTION:        SUB     sF,01 ;stack_sync
// FUNCTION-NEXT:        ; reference
// FUNCTION-NEXT:{{.*}}.c:3: function has no reference
// FUNCTION-NOT:{{.+}}

// The switch node carries the line of its closing brace.
// RUN: %expect 1 %tarvelcc %t/switch.c >%t/switch.out 2>%t/switch.err && cat %t/switch.out %t/switch.err | FileCheck %s --check-prefix=SWITCH --match-full-lines --strict-whitespace
// SWITCH:_main:
// SWITCH-NEXT:        SUB     sF,01
// SWITCH-NEXT:        STORE   sE,(sF)
// SWITCH-NEXT:        LOAD    sE,sF
// SWITCH-NEXT:{{.*}}switch.c:4: empty expression in switch
// SWITCH-NOT:{{.+}}

//--- call.c
int f(int a) { return a; }
void main() { int x;
  x = f; }
//--- deref.c
char c;
void main() {
  c = *c; }
//--- simple.c
char c;
void main() {
  c = 1 + *c; }
//--- number.c
void main() {
  char *p;
  p = &5; }
//--- target.c
char c;
void main() {
  5 = c; }
//--- sum.c
char c; char d;
void main() { char *p;
  p = &(c + d); }
//--- array.c
char a[3];
void main() { char *p;
  p = &a; }
//--- const.c
void main(const char c) {
  char *q;
  q = &c; }
//--- function.c
void g() {}
void main() { char *p;
  p = &g; }
//--- prototype.c
void g();
void main() { char *p;
  p = &g; }
//--- switch.c
void main() {
  switch (
  ) {
  } }
