// Inputs that once crashed the compiler or tripped the sanitizers (found by
// the fuzz target or while stress testing), reduced to their minimum.
// RUN: split-file %s %t
//
// An empty source: a complete program with no functions.
// RUN: %tarvelcc %t/empty.c | FileCheck %s --check-prefix=EMPTY
// RUN: printf '' | %tarvelcc - | FileCheck %s --check-prefix=EMPTY
// EMPTY: CALL    _main
// EMPTY-NEXT:main_end:
// EMPTY-NEXT:        JUMP    main_end
// EMPTY: ;==  C compiler for ZEFO Tarvel platform  ==
//
// A line marker with the largest line number: the next line's number wraps
// around instead of overflowing.
// RUN: %expect 1 %tarvelcc %t/maxline.c 2>&1 >/dev/null | FileCheck %s --check-prefix=MAXLINE --match-full-lines
// MAXLINE:f.c:-2147483648: var or const "x" is not declared
// MAXLINE-NOT:{{.}}
//
// x op= y, ++x and x++ translate x twice, so nesting them in their own
// operand doubled the output per level: a line of source could run for hours.
// Eight levels still translate; the ninth stops with one diagnostic.
// RUN: %tarvelcc %t/nested8.c | FileCheck %s --check-prefix=NESTED8
// NESTED8: ; prefix plus
// NESTED8: ;==  C compiler for ZEFO Tarvel platform  ==
// RUN: %expect 1 %tarvelcc %t/step9.c 2>&1 >/dev/null | FileCheck %s --check-prefix=STEP9 --match-full-lines
// RUN: %expect 1 %tarvelcc %t/compound9.c 2>&1 >/dev/null | FileCheck %s --check-prefix=COMPOUND9 --match-full-lines
// STEP9:{{.*}}step9.c:2: expression is too complex
// STEP9-NOT:{{.}}
// COMPOUND9:{{.*}}compound9.c:3: expression is too complex
// COMPOUND9-NOT:{{.}}
// Only nesting inside a target counts: a chain of ten compound assignments
// translates each value once and compiles.
// RUN: %tarvelcc %t/chain10.c | FileCheck %s --check-prefix=CHAIN10
// CHAIN10: ;==  C compiler for ZEFO Tarvel platform  ==
//
// A backslash at the end of a line in a character constant: the message once
// printed the line break after "unknown character '\", two lines in all.
// RUN: %expect 1 %tarvelcc %t/escape-eol.c 2>&1 >/dev/null | FileCheck %s --check-prefix=ESCEOL --match-full-lines
// ESCEOL:{{.*}}escape-eol.c:2: character is not terminated '
// ESCEOL-NOT:{{.}}

//--- empty.c
//--- maxline.c
@f.c:2147483647:int g;
void main() { x = 1; }
//--- nested8.c
int a[4];
void main() { ++a[++a[++a[++a[++a[++a[++a[++a[0]]]]]]]]; }
//--- step9.c
int a[4];
void main() { ++a[++a[++a[++a[++a[++a[++a[++a[++a[0]]]]]]]]]; }
//--- compound9.c
int a[4];
void main() {
  a[a[a[a[a[a[a[a[a[0] += 1] += 1] += 1] += 1] += 1] += 1] += 1] += 1] += 1;
}
//--- escape-eol.c
int g;
void main() { g = '\
'; }
//--- chain10.c
int a, b, c, d, e, f, g, h, i, j, k;
void main() { a += b += c += d += e += f += g += h += i += j += k; }
