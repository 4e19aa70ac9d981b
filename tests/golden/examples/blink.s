        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    0  A101  main()
        ; ---    0  A101  show()
        ; ---    0  A101  delay(2C04)
        ;  63    1  2102  led
        ;-----------------------------------------------

        CONSTANT    _led , 3F


        LOAD    sF,3F
        CALL    _main
main_end:
        JUMP    main_end

        ;================================================
        ; Function delay:
_delay:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        SUB     sF,02 ;stack_sync
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    s3,00
        LOAD    sD,sE
        SUB     sD,02
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
label_1:
        ; variable i
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        ; variable count
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s0,(sD)
        ADD     sD,01
        FETCH   s1,(sD)
        ; less 
        SUB     s2,s0
        SUBCY    s3,s1
        SLA     s2
        AND     s2,01
        OR      s2,s2
        JUMP    Z,label_2
        ; postfix plus
        ; variable i
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        ; constant 1
        LOAD    s0,01
        LOAD    s1,00
        ; i plus 1
        ADD     s2,s0
        ADDCY    s3,s1
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,02
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
        ; constant 1
        LOAD    s0,01
        LOAD    s1,00
        ; ( &(i) )=((i)+(1)) minus 1
        SUB     s2,s0
        SUBCY    s3,s1
        JUMP    label_1
label_2:
label_0:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;================================================
        ; Function show:
_show:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
;inline asm function start
        FETCH   s2,_led
        OUTPUT  s2,02
;inline asm function end
label_3:
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
        STORE   s2,3F
label_5:
        ; variable led
        FETCH   s2,3F
        ; constant 1
        LOAD    s0,01
        ; xor
        XOR     s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        CALL    _show
        ; constant 5000
        LOAD    s3,13
        LOAD    s2,88
        SUB     sF,01
        STORE   s3,(sF)
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _delay
        ADD     sF,02
        JUMP    label_5
label_6:
label_4:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;========================================================
        ;==  C compiler for ZEFO Tarvel platform  ==
        ;========================================================

