// Three whole programs compared byte for byte with their expected assembly:
// the smallest program (the stack starts at the top of data memory, main
// gets the full frame although its body writes nothing); the memory map of
// a, b, the constant k and f, whose lowest static address starts the stack;
// and an interrupt handler with its entry code and vector, inline assembler
// at file level and in a function (copied verbatim, percent sign included)
// and IRQ_ON/IRQ_OFF.
// RUN: split-file %s %t
// RUN: %tarvelcc %t/empty.c | diff -u %t/empty.psm -
// RUN: %tarvelcc %t/map.c | diff -u %t/map.psm -
// RUN: %tarvelcc %t/irq.c | diff -u %t/irq.psm -
//--- empty.c
void main() {}
//--- empty.psm
        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    0  A101  main()
        ;-----------------------------------------------



        LOAD    sF,40
        CALL    _main
main_end:
        JUMP    main_end

        ;================================================
        ; Function main:
_main:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
label_0:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;========================================================
        ;==  C compiler for ZEFO Tarvel platform  ==
        ;========================================================

//--- map.c
int a;
char b = 7;
const int k = 3;
int f(int x, char *p) { return x; }
//--- map.psm
        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    2  A104  f(2404,2482)
        ;  61    1  2102  b - initvalue=7
        ;  62    2  2104  a
        ;-----------------------------------------------

        CONSTANT    _b , 3D
        CONSTANT    _a , 3E


        LOAD    sF,3D
        CALL    _main
main_end:
        JUMP    main_end

        ;================================================
        ; Function f:
_f:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        ; variable x
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        JUMP    label_0 ;return
label_0:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;========================================================
        ;==  C compiler for ZEFO Tarvel platform  ==
        ;========================================================

//--- irq.c
asm {
        LOAD    s0,01 ; copied with its comment
    OUTPUT  s0,10
}
char flag;
char my_irq() { flag = 1; return 1; }
void main() {
  IRQ_ON;
  asm {
        INPUT   s2,20   ; 100% verbatim
  }
  IRQ_OFF;
}
//--- irq.psm
        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    0  A101  main()
        ; ---    1  A102  my_irq()
        ;  63    1  2102  flag
        ;-----------------------------------------------

        CONSTANT    _flag , 3F


        LOAD    sF,3F
        CALL    _main
main_end:
        JUMP    main_end

irq1:
        LOAD    s6,s4
        LOAD    s7,s5
        LOAD    s8,s0
        LOAD    s9,s1
        LOAD    sA,s2
        LOAD    sB,s3
        LOAD    sC,sD
        CALL    _my_irq
        OR      s2,s2
        LOAD    sD,sC
        LOAD    s3,sB
        LOAD    s2,sA
        LOAD    s1,s9
        LOAD    s0,s8
        LOAD    s5,s7
        LOAD    s4,s6
        JUMP    Z,irq0
        RETURNI ENABLE


irq0:
        RETURNI DISABLE


        ;================================================
        ; Inline assembler
;inline asm function start
        LOAD    s0,01 ; copied with its comment
    OUTPUT  s0,10
;inline asm function end


        ;================================================
        ; Function my_irq:
_my_irq:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        ; constant 1
        LOAD    s2,01
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        ; constant 1
        LOAD    s2,01
        JUMP    label_0 ;return
label_0:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;================================================
        ; Function main:
_main:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        ENABLE  INTERRUPT
;inline asm function start
        INPUT   s2,20   ; 100% verbatim
;inline asm function end
        DISABLE INTERRUPT
label_1:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ADDRESS 3FF
        JUMP    irq1

        ;========================================================
        ;==  C compiler for ZEFO Tarvel platform  ==
        ;========================================================

