// Inputs that must end with exactly one diagnostic: its text, its line and
// the exit status are kept in tests/golden/cases/diagnostics.txt.  Several
// cases put the fault on a later line than the construct starts, or add a
// function after it, so that a wrong line number shows.
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
//--- target.c
char c;
void main() {
  5 = c; }
//--- sum.c
char c; char d;
void main() { char *p;
  p = &(c + d); }
//--- const.c
void main(const char c) {
  char *q;
  q = &c; }
//--- function.c
void g() {}
void main() { char *p;
  p = &g; }
//--- switch.c
void main() {
  switch (
  ) {
  } }
//--- ne.c
char *p; char *q;
void main() { p != q; }
//--- zero.c
char *p;
void main() { p = 0; }
//--- shift.c
char c; char y;
void main() {
  c <<= y; }
void later() {}
//--- ptr.c
int *p;
void main() {
  p *= 2; }
void later() {}
//--- array.c
int a[2];
void main() {
  ++a; }
void later() {}
//--- error-const.c
const char K = 1;
void main() {
  ++K; }
void later() {}
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
  ; }
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
  char a; }
//--- b10-param-named-like-function.c
void f(int f) {}
//--- b11-long-names.c
int abcdefghijklmnopqrstuvwxyz0123456789;
int abcdefghijklmnopqrstuvwxyz01234_other;
//--- b12-undeclared.c
int x;
void main() {
  x = y; }
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
//--- e01-missing-before.c
int x; void main() {
  x = +1; }
//--- e02-missing-after-assign.c
int x; void main() {
  x = ; }
//--- e03-missing-after-unary.c
int x; void main() {
  x = 1;
  *; }
//--- e04-missing-after-andand.c
int x; void main() {
  x = x && ; }
//--- e05-missing-before-comma.c
int x; void main() {
  x = (, x); }
//--- e07-missing-before-compound.c
int x; void main() {
  += x; }
//--- e08-cast-pointer-to-const.c
int x; void main() {
  x = (const int *) x; }
//--- e09-cast-pointer-to-pointer.c
int x; void main() {
  x = (int **) x; }
//--- e10-missing-rpar.c
int x; void main() {
  x = (x + 1; }
//--- e11-missing-rbracket.c
int a[2]; void main() {
  a[1 = 2; }
//--- e12-second-index.c
int a[2]; void main() {
  a[1][0] = 2; }
//--- e14-bracket-starts.c
int x; void main() {
  x =
  [1]; }
//--- e15-empty-index.c
int a[2]; void main() {
  a
  [

  ] = 1; }
//--- e16-cast-without-operand.c
int x; void main() {
  x = (char)

  ; }
//--- e17-call-a-number.c
int x; void main() {
  x = 3
  (1); }
//--- e18-call-a-constant.c
const int K = 1;
int x; void main() {
  x = K
  (1); }
//--- s01-break-outside.c
void main() {
  if (1)
  break
  ; }
//--- s02-continue-outside.c
void main() {
  if (1)
  continue
  ; }
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
  goto end; }
//--- s12-if-without-paren.c
int x; void main() {
  if x = 1; }
//--- s14-lex-error-in-body.c
int x; void main() {
  x = "text"; }
//--- marked.c
int a;
@lib.c:120:int x;
int x;
//--- unnamed.c
void main() {
  main()
}
//--- int.c
int *p; int i;
void main() {
  p = i; }
//--- expr.c
int i;
void main() {
  (i + 1) = 2; }
//--- arr.c
int *p; int a[2];
void main() {
  a = p; }
//--- fn.c
void one();
void main() {
  one = 1; }
//--- par.c
void f(const char v) {
  v = 1; }
//--- noargs.c
void one(int a);
void main() {
  one(); }
//--- count.c
void two(char a, char b);
void main() {
  two(1); }
//--- undecl.c
void main() {
  char c;
  nope(c); }
//--- asvalue.c
char one();
void main() {
  one + 1; }
//--- and.c
char *p; void main() {
  p & 1; }
//--- shl.c
char *p; void main() {
  p <<= 1; }
//--- add2.c
int *p; int a[2]; void main() {
  p + a; }
//--- minus.c
int *p; char c; void main() {
  c - p; }
//--- diff.c
int *p; char *q; void main() {
  p - q; }
//--- var.c
char c; char y;
void main() {
  c << y; }
//--- bitneg.c
int *p;
void main() {
  ~p; }
//--- unary-minus.c
char *p;
void main() {
  -p; }
//--- maxline.c
@f.c:2147483647:int g;
void main() { x = 1; }
//--- step9.c
int a[4];
void main() { ++a[++a[++a[++a[++a[++a[++a[++a[++a[0]]]]]]]]]; }
//--- compound9.c
int a[4];
void main() {
  a[a[a[a[a[a[a[a[a[0] += 1] += 1] += 1] += 1] += 1] += 1] += 1] += 1] += 1; }
//--- escape-eol.c
int g;
void main() { g = '\
'; }
//--- unsupported-at.c
void main()
{
@:x = ; }
//--- char-empty.c
char c = '';
//--- char-escape.c
char c = '\q';
//--- char-long.c
char c = 'ab';
//--- char-open.c
char c = 'a
