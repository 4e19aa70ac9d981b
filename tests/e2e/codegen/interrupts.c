// A handler declared by a prototype only (here written in assembler) gets
// the vector jumping straight to _my_irq after the routines and no entry
// code; a variable or a constant named my_irq gets no interrupt code at
// all; a handler defined after its prototype is a defined handler.
// RUN: split-file %s %t
// RUN: %tarvelcc %t/external.c | FileCheck %s --check-prefix=EXT --match-full-lines --strict-whitespace --implicit-check-not=irq1 --implicit-check-not=irq0
// RUN: %tarvelcc %t/variable.c | FileCheck %s --check-prefix=VAR --match-full-lines --strict-whitespace --implicit-check-not=irq1 --implicit-check-not=irq0 --implicit-check-not=ADDRESS
// RUN: %tarvelcc %t/constant.c | FileCheck %s --check-prefix=VAR --match-full-lines --strict-whitespace --implicit-check-not=irq1 --implicit-check-not=irq0 --implicit-check-not=ADDRESS
// RUN: %tarvelcc %t/later.c | FileCheck %s --check-prefix=LATER --match-full-lines --strict-whitespace
// LATER:irq1:
// LATER:        ADDRESS 3FF
// LATER-NEXT:        JUMP    irq1
// EXT:main_end:
// EXT-NEXT:        JUMP    main_end
// EXT-EMPTY:
// EXT-NEXT:        ;================================================
// EXT-NEXT:        ; Inline assembler
// EXT-NEXT:;inline asm function start
// EXT-NEXT:_my_irq:
// EXT-NEXT:        RETURNI ENABLE
// EXT-NEXT:;inline asm function end
// EXT-EMPTY:
// EXT-EMPTY:
// EXT-NEXT:        ;================================================
// EXT-NEXT:        ; Function main:
// EXT-NEXT:_main:
// EXT-NEXT:        SUB     sF,01
// EXT-NEXT:        STORE   sE,(sF)
// EXT-NEXT:        LOAD    sE,sF
// EXT-NEXT:        ENABLE  INTERRUPT
// EXT-NEXT:label_0:
// EXT-NEXT:        LOAD    sF,sE
// EXT-NEXT:        FETCH   sE,(sF)
// EXT-NEXT:        ADD     sF,01
// EXT-NEXT:        RETURN
// EXT-EMPTY:
// EXT-EMPTY:
// EXT-NEXT:        ADDRESS 3FF
// EXT-NEXT:        JUMP    _my_irq
// EXT-EMPTY:
// EXT-NEXT:        ;========================================================
// EXT-NEXT:        ;==  C compiler for ZEFO Tarvel platform  ==
// EXT-NEXT:        ;========================================================
// EXT-EMPTY:
// VAR:        RETURN
// VAR-EMPTY:
// VAR-EMPTY:
// VAR-NEXT:        ;========================================================
// VAR-NEXT:        ;==  C compiler for ZEFO Tarvel platform  ==
//--- external.c
char my_irq();
asm {
_my_irq:
        RETURNI ENABLE
}
void main() { IRQ_ON; }
//--- variable.c
char my_irq;
void main() { my_irq = 1; }
//--- constant.c
const char my_irq = 1;
void main() { }
//--- later.c
char my_irq();
void main() { }
char my_irq() { return 0; }
