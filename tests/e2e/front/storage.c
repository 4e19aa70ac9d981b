// Addresses and frame offsets as the memory map and the code show them:
// statics downward from 64, a const parameter keeps its frame slot and is
// read from it, a declaration without base type after a block is an int,
// names are cut to 31 characters, and a static inside a block keeps its
// storage below the stack start.
// RUN: split-file %s %t
// RUN: %tarvelcc %t/map.c | FileCheck %s --check-prefix=MAP --match-full-lines --strict-whitespace
// RUN: %tarvelcc %t/block-static.c | FileCheck %s --check-prefix=BLOCK --match-full-lines --strict-whitespace
// RUN: %expect 1 %tarvelcc %t/const-param.c 2>&1 >/dev/null | FileCheck %s --check-prefix=CONST --match-full-lines --strict-whitespace

// MAP:        ; adr size typ   variable
// MAP-NEXT:        ;  50    2  2904  after
// MAP-NEXT:        ; ---    0  A101  main()
// MAP-NEXT:        ; ---    2  A104  f(2402,3404,2404)
// MAP-NEXT:        ;  52    2  2104  abcdefghijklmnopqrstuvwxyz01234
// MAP-NEXT:        ;  54    0  2101  v
// MAP-NEXT:        ;  54    1  2182  p
// MAP-NEXT:        ;  55    2  2304  arr
// MAP-NEXT:        ;  61    1  2102  c - initvalue=-5
// MAP-NEXT:        ;  62    2  2104  g
// MAP:        LOAD    sF,32
// MAP:_f:
// MAP:        ; variable k
// MAP-NEXT:        LOAD    sD,sE
// MAP-NEXT:        ADD     sD,02
// MAP-NEXT:        FETCH   s2,(sD)
// MAP-NEXT:        ADD     sD,01
// MAP-NEXT:        FETCH   s3,(sD)
// MAP-NEXT:        ; variable b
// MAP-NEXT:        LOAD    sD,sE
// MAP-NEXT:        ADD     sD,04
// MAP:_main:
// MAP:        SUB     sF,02 ;stack_sync
// MAP-NEXT:        ADD     sF,02 ;stack_sync
// MAP-NEXT:        SUB     sF,02 ;stack_sync
// MAP-NEXT:        ; constant 1
// MAP-NEXT:        LOAD    s2,01
// MAP:        LOAD    s3,00
// MAP-NEXT:        LOAD    sD,sE
// MAP-NEXT:        SUB     sD,02
// MAP-NEXT:        STORE   s2,(sD)
// MAP-NEXT:        ADD     sD,01
// MAP-NEXT:        STORE   s3,(sD)
// MAP-NEXT:        ; constant 6
// MAP:        STORE   s2,34
// MAP-NEXT:        STORE   s3,35

// BLOCK:        ;  62    2  2104  g
// BLOCK:        LOAD    sF,3C

// CONST:{{.*}}/const-param.c:2: constant has no reference

//--- map.c
int g;
char c = -5;
int arr[3];
char *p;
void v;
const int K = 2 * 3;
int abcdefghijklmnopqrstuvwxyz0123456789;
int f(char a, const int k, int b) { return k + b; }
void main() {
  { int inner; }
  unsigned u;
  u = 1;
  abcdefghijklmnopqrstuvwxyz01234_same = K;
}
unsigned after;
//--- block-static.c
int g;
void main() {
  { static char s[2]; s[0] = 1; }
}
//--- const-param.c
void g(const char k) {
  k = 1;
}
void main() {}
//
// Sizes are not checked against the machine: a negative array size moves the
// allocation counters back (the array lies above the top of data memory), and
// a frame of 20,000,000 bytes is reserved as asked.  Only counters beyond a
// gigabyte stop the run.
// RUN: printf 'int a[-1];\nvoid main(){ char b[20000000]; }\n' | %tarvelcc - | FileCheck %s --check-prefix=SIZES --match-full-lines
// SIZES:        ;  66    2  2304  a
// SIZES:        LOAD    sF,40
// SIZES:        SUB     sF,1312D00 ;stack_sync
// RUN: printf 'void main(){ char b[2000000000]; }\n' | %expect 1 %tarvelcc - 2>&1 >/dev/null | FileCheck %s --check-prefix=HUGE --match-full-lines
// HUGE::1: stack frame is too large
