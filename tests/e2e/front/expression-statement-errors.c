// Expression and statement diagnostics: exact text and line, status 1,
// nothing on stdout.
// RUN: split-file %s %t
// RUN: bash %S/expect-diagnostics.sh %tarvelcc %t | FileCheck %s --match-full-lines --strict-whitespace
// CHECK:e01-missing-before.c:2: operand is missing before +
// CHECK-NEXT:e02-missing-after-assign.c:2: operand is missing after =
// CHECK-NEXT:e03-missing-after-unary.c:3: operand is missing after *
// CHECK-NEXT:e04-missing-after-andand.c:2: operand is missing after &
// CHECK-NEXT:e05-missing-before-comma.c:2: operand is missing before ,
// CHECK-NEXT:e07-missing-before-compound.c:2: operand is missing before +=
// CHECK-NEXT:e08-cast-pointer-to-const.c:2: pointer to constant is not supported
// CHECK-NEXT:e09-cast-pointer-to-pointer.c:2: pointer to pointer is not supported
// CHECK-NEXT:e10-missing-rpar.c:2: error by comparison, expected ), but on input is ;
// CHECK-NEXT:e11-missing-rbracket.c:2: error by comparison, expected ], but on input is ;
// CHECK-NEXT:e12-second-index.c:2: error by comparison, expected ;, but on input is [
// CHECK-NEXT:e14-bracket-starts.c:3: expression expected
// CHECK-NEXT:e15-empty-index.c:5: expression expected
// CHECK-NEXT:e16-cast-without-operand.c:4: expression expected
// CHECK-NEXT:e17-call-a-number.c:3: function name expected
// CHECK-NEXT:e18-call-a-constant.c:4: function name expected
// CHECK-NEXT:s01-break-outside.c:3: break outside loop or switch
// CHECK-NEXT:s02-continue-outside.c:3: continue outside loop
// CHECK-NEXT:s03-continue-in-switch.c:4: continue outside loop
// CHECK-NEXT:s04-case-variable.c:4: case in switch can be followed only by constant expression
// CHECK-NEXT:s05-case-missing.c:3: case in switch can be followed only by constant expression
// CHECK-NEXT:s06-case-after-default.c:4: error by comparison, expected }, but on input is CASE
// CHECK-NEXT:s07-do-without-while.c:3: error by comparison, expected WHILE, but on input is }
// CHECK-NEXT:s08-asm-without-brace.c:2: error by identity test, expected {, but on input is identifikator "LOAD"
// CHECK-NEXT:s09-asm-at-eof.c:3: error by comparison, expected }, but on input is konec souboru
// CHECK-NEXT:s11-goto.c:2: error by comparison, expected }, but on input is GOTO
// CHECK-NEXT:s12-if-without-paren.c:2: error by identity test, expected (, but on input is identifikator "x"
// CHECK-NEXT:s14-lex-error-in-body.c:2: unsupported character "
// CHECK-EMPTY:

//--- e01-missing-before.c
int x; void main() {
  x = +1;
}
//--- e02-missing-after-assign.c
int x; void main() {
  x = ;
}
//--- e03-missing-after-unary.c
int x; void main() {
  x = 1;
  *;
}
//--- e04-missing-after-andand.c
int x; void main() {
  x = x && ;
}
//--- e05-missing-before-comma.c
int x; void main() {
  x = (, x);
}
//--- e07-missing-before-compound.c
int x; void main() {
  += x;
}
//--- e08-cast-pointer-to-const.c
int x; void main() {
  x = (const int *) x;
}
//--- e09-cast-pointer-to-pointer.c
int x; void main() {
  x = (int **) x;
}
//--- e10-missing-rpar.c
int x; void main() {
  x = (x + 1;
}
//--- e11-missing-rbracket.c
int a[2]; void main() {
  a[1 = 2;
}
//--- e12-second-index.c
int a[2]; void main() {
  a[1][0] = 2;
}
//--- e14-bracket-starts.c
int x; void main() {
  x =
  [1];
}
//--- e15-empty-index.c
int a[2]; void main() {
  a
  [

  ] = 1;
}
//--- e16-cast-without-operand.c
int x; void main() {
  x = (char)

  ;
}
//--- e17-call-a-number.c
int x; void main() {
  x = 3
  (1);
}
//--- e18-call-a-constant.c
const int K = 1;
int x; void main() {
  x = K
  (1);
}
//--- s01-break-outside.c
void main() {
  if (1)
  break
  ;
}
//--- s02-continue-outside.c
void main() {
  if (1)
  continue
  ;
}
//--- s03-continue-in-switch.c
void main() {
  while (1) switch (1) { case 1: continue; }
  switch (1) {
  case 1: continue;
  }
}
//--- s04-case-variable.c
int x; void main() {
  switch (x) {
  case 1: break;
  case x: break;
  }
}
//--- s05-case-missing.c
int x; void main() {
  switch (x) {
  case : break;
  }
}
//--- s06-case-after-default.c
int x; void main() {
  switch (x) {
  default: break;
  case 1: break;
  }
}
//--- s07-do-without-while.c
int x; void main() {
  do x = 1;
}
//--- s08-asm-without-brace.c
void main() {
  asm LOAD s0,01
}
//--- s09-asm-at-eof.c
void main() {
  asm {
    LOAD s0,01
//--- s11-goto.c
void main() {
  goto end;
}
//--- s12-if-without-paren.c
int x; void main() {
  if x = 1;
}
//--- s14-lex-error-in-body.c
int x; void main() {
  x = "text";
}
