// The reader through the driver: a folder given as the input, line markers
// naming the place of later diagnostics, standard input without a name, and
// the bytes 0xFF (end of input) and zero (end of line).
// RUN: split-file %s %t
// RUN: %expect 1 %tarvelcc %S 2>&1 >%t.out | FileCheck %s --check-prefix=DIR --match-full-lines --strict-whitespace
// RUN: test ! -s %t.out
// RUN: %expect 1 %tarvelcc %t/marked.c 2>&1 | FileCheck %s --check-prefix=MARKED --match-full-lines
// RUN: %expect 1 %tarvelcc - < %t/unnamed.c 2>&1 | FileCheck %s --check-prefix=UNNAMED --match-full-lines
// RUN: printf 'void main() {}\n@lib.c:7:\xff garbage\n' | %tarvelcc - | FileCheck %s --check-prefix=FF
// RUN: printf 'int x;\nint y;\0 junk junk\nvoid main() {}' | %tarvelcc - | FileCheck %s --check-prefix=FF

// DIR:input file {{.*}}front not fined {{$}}
// MARKED:lib.c:121: identificator "x" druha deklarace
// UNNAMED::3: error by comparison, expected ;, but on input is }
// FF:_main:

//--- marked.c
int a;
@lib.c:120:int x;
int x;
//--- unnamed.c
void main() {
  main()
}
