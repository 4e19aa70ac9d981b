// The memory map: newest name first, arrays listed with their element size
// at their lowest byte, pointers one byte with the pointer bit, initial
// values in signed decimal, a void variable taking no byte, a prototype
// followed by its definition listed twice and a prototype alone not at all.
// The stack starts below every static, including a static declared inside a
// function, although the map lists only file-scope names.
// RUN: split-file %s %t
// RUN: %tarvelcc %t/mix.c | FileCheck %s --check-prefix=MIX --match-full-lines --strict-whitespace
// RUN: %tarvelcc %t/block.c | FileCheck %s --check-prefix=BLOCK --match-full-lines --strict-whitespace
// RUN: %tarvelcc %t/later.c | FileCheck %s --check-prefix=LATER --match-full-lines --strict-whitespace

// MIX:        ; adr size typ   variable
// MIX-NEXT:        ; ---    0  A101  main()
// MIX-NEXT:        ; ---    2  A104  g(2402,2484)
// MIX-NEXT:        ; ---    2  A104  g(2402,2484)
// MIX-NEXT:        ;  53    1  2102  after
// MIX-NEXT:        ;  54    0  2101  v
// MIX-NEXT:        ;  54    2  2104  neg - initvalue=-5
// MIX-NEXT:        ;  56    1  2902  u - initvalue=200
// MIX-NEXT:        ;  57    2  2304  arr
// MIX-NEXT:        ;  63    1  2182  p
// MIX-NEXT:        ;-----------------------------------------------
// MIX-EMPTY:
// MIX-NEXT:        CONSTANT    _after , 35
// MIX-NEXT:        CONSTANT    _v , 36
// MIX-NEXT:        CONSTANT    _neg , 36
// MIX-NEXT:        CONSTANT    _u , 38
// MIX-NEXT:        CONSTANT    _arr , 39
// MIX-NEXT:        CONSTANT    _p , 3F
// MIX-EMPTY:
// MIX-EMPTY:
// MIX-NEXT:        LOAD    sF,33
// MIX-NOT: hidden

// BLOCK:        ; ---    0  A101  main(2401)
// BLOCK-NEXT:        ;-----------------------------------------------
// BLOCK-EMPTY:
// BLOCK-EMPTY:
// BLOCK-EMPTY:
// BLOCK-NEXT:        LOAD    sF,3F

// A block static placed before a file-scope variable does not lower the
// start below that variable.
// LATER:        ;  61    1  2102  c
// LATER-NEXT:        ; ---    0  A101  f()
// LATER-NEXT:        ;-----------------------------------------------
// LATER-EMPTY:
// LATER-NEXT:        CONSTANT    _c , 3D
// LATER-EMPTY:
// LATER-EMPTY:
// LATER-NEXT:        LOAD    sF,3D

//--- mix.c
char *p;
int arr[3];
static unsigned char u = 200;
int neg = -5;
void v;
char after;
int g(char c, int *q);
int g(char c, int *q) { static int hidden; return 0; }
int h();
void main() {}
//--- block.c
void main(void) { static char s; }
//--- later.c
void f() { static int s; }
char c;
