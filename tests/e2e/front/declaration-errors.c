// Declaration diagnostics: exact text and line, status 1, nothing on stdout.
// RUN: split-file %s %t
// RUN: bash %S/expect-diagnostics.sh %tarvelcc %t | FileCheck %s --match-full-lines --strict-whitespace
// CHECK:a01-unknown-type.c:2: unknwn type of function or variable
// CHECK-NEXT:a02-float.c:1: unknwn type of function or variable
// CHECK-NEXT:a03-pointer-to-const.c:1: poiter to constant is not supported 
// CHECK-NEXT:a04-param-pointer-to-const.c:2: pointer to constant is not supported
// CHECK-NEXT:a05-pointer-to-pointer.c:1: pointer to pointer is not supported
// CHECK-NEXT:a06-param-pointer-to-pointer.c:1: pointer to pointer is not supported
// CHECK-NEXT:a07-array-of-pointers.c:1: array of pointers is not supported
// CHECK-NEXT:a08-array-size-variable.c:2: size of an array must be constant in declaration
// CHECK-NEXT:a09-array-size-missing.c:1: size of an array must be constant in declaration
// CHECK-NEXT:a10-two-dimensions.c:1: error by comparison, expected ;, but on input is [
// CHECK-NEXT:a11-const-init.c:2: assignment to constant in declaration must be constant
// CHECK-NEXT:a12-static-init.c:2: static variables can be initialized only by constant!
// CHECK-NEXT:a13-static-init-missing.c:3: static variables can be initialized only by constant!
// CHECK-NEXT:a14-missing-semicolon-ident.c:1: error by identity test, expected ;, but on input is identifikator "b"
// CHECK-NEXT:a15-missing-semicolon-eof.c:1: error by comparison, expected ;, but on input is konec souboru
// CHECK-NEXT:a16-old-style-params.c:1: error by identity test, expected ), but on input is identifikator "a"
// CHECK-NEXT:a17-missing-name.c:1: error by comparison, expected identifikator, but on input is ;
// CHECK-NEXT:b01-twice.c:2: identificator "x" druha deklarace
// CHECK-NEXT:b02-array-twice.c:2: identificator "a" second declaration
// CHECK-NEXT:b03-const-twice.c:2: identificator "c" second declaration
// CHECK-NEXT:b04-param-types.c:2: identificator "f" parameters types are not identical with previous declaration
// CHECK-NEXT:b05-params-added.c:2: identificator "f" parameters types are not identical with previous declaration
// CHECK-NEXT:b06-return-type.c:2: identificator "f" druha deklarace
// CHECK-NEXT:b07-two-definitions.c:3: identificator "f" druha deklarace
// CHECK-NEXT:b08-prototype-after-definition.c:2: identificator "f" druha deklarace
// CHECK-NEXT:b09-param-and-local.c:2: identificator "a" druha deklarace
// CHECK-NEXT:b10-param-named-like-function.c:1: identificator "f" druha deklarace
// CHECK-NEXT:b11-long-names.c:2: identificator "abcdefghijklmnopqrstuvwxyz01234" druha deklarace
// CHECK-NEXT:b12-undeclared.c:3: var or const "y" is not declared
// CHECK-NEXT:c01-definition-not-first.c:4: function definition must be the first declarator
// CHECK-NEXT:c02-definition-in-block.c:4: function definition inside a block
// CHECK-NEXT:c03-data-memory-full.c:3: data memory is full
// CHECK-EMPTY:

//--- a01-unknown-type.c
int a;
struct s x;
//--- a02-float.c
float x;
//--- a03-pointer-to-const.c
const int *p;
//--- a04-param-pointer-to-const.c
void f(int a,
       const char *p);
//--- a05-pointer-to-pointer.c
int **p;
//--- a06-param-pointer-to-pointer.c
void f(char **p);
//--- a07-array-of-pointers.c
int *a[3];
//--- a08-array-size-variable.c
int n;
int a[n];
//--- a09-array-size-missing.c
int a[];
//--- a10-two-dimensions.c
int a[2][3];
//--- a11-const-init.c
int x;
const int c = x + 1;
//--- a12-static-init.c
int y;
int x = y;
//--- a13-static-init-missing.c
void f() {
  static char c =
  ;
}
//--- a14-missing-semicolon-ident.c
int a b;
//--- a15-missing-semicolon-eof.c
int a
//--- a16-old-style-params.c
int f(a) int a; { }
//--- a17-missing-name.c
int ;
//--- b01-twice.c
int x;
int x;
//--- b02-array-twice.c
int a[2];
int a[2];
//--- b03-const-twice.c
const int c = 1;
const int c = 2;
//--- b04-param-types.c
int f(int a);
int f(char a) { return a; }
//--- b05-params-added.c
int f();
int f(int a) { return a; }
//--- b06-return-type.c
int f(int a);
char f(int a) { return a; }
//--- b07-two-definitions.c
int f() { return 1; }
int f()
{ return 2; }
//--- b08-prototype-after-definition.c
void f() {}
void f();
//--- b09-param-and-local.c
void f(int a) {
  char a;
}
//--- b10-param-named-like-function.c
void f(int f) {}
//--- b11-long-names.c
int abcdefghijklmnopqrstuvwxyz0123456789;
int abcdefghijklmnopqrstuvwxyz01234_other;
//--- b12-undeclared.c
int x;
void main() {
  x = y;
}
//--- c01-definition-not-first.c
int a,

  f()
  {
  }
//--- c02-definition-in-block.c
void main() {
  int g(int a);
  int f()
  {
  }
}
//--- c03-data-memory-full.c
char big[60];
int a, b;
char c, d,
  e;
