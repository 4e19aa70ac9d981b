        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    0  A101  main()
        ; ---    1  A102  my_irq()
        ;  60    2  2904  seen
        ;  62    2  2904  ticks
        ;-----------------------------------------------

        CONSTANT    _seen , 3C
        CONSTANT    _ticks , 3E


        LOAD    sF,3C
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
        ; Function my_irq:
_my_irq:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        ; variable ticks
        FETCH   s2,3E
        FETCH   s3,3F
        ; constant 1
        LOAD    s0,01
        LOAD    s1,00
        ; ticks plus 1
        ADD     s2,s0
        ADDCY    s3,s1
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3E
        STORE   s3,3F
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
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    s3,00
        STORE   s2,3E
        STORE   s3,3F
        ENABLE  INTERRUPT
label_2:
        DISABLE INTERRUPT
        ; variable ticks
        FETCH   s2,3E
        FETCH   s3,3F
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3C
        STORE   s3,3D
        ENABLE  INTERRUPT
        JUMP    label_2
label_3:
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

