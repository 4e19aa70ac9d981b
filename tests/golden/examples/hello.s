        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    0  A101  main()
        ; ---    2  A104  add(2404,2404)
        ;  62    2  2104  total
        ;-----------------------------------------------

        CONSTANT    _total , 3E


        LOAD    sF,3E
        CALL    _main
main_end:
        JUMP    main_end

        ;================================================
        ; Function add:
_add:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        ; variable a
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        ; variable b
        LOAD    sD,sE
        ADD     sD,03
        FETCH   s0,(sD)
        ADD     sD,01
        FETCH   s1,(sD)
        ; a plus b
        ADD     s2,s0
        ADDCY    s3,s1
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
        SUB     sF,02 ;stack_sync
        ; constant 0
        LOAD    s2,00
        ; type conversion 
        LOAD    s3,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3E
        STORE   s3,3F
        ; constant 1
        LOAD    s2,01
        ; store directly
        ; reference
        ; store variable
        LOAD    s3,00
        LOAD    sD,sE
        SUB     sD,02
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
label_2:
        ; variable i
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        ; constant 10
        LOAD    s0,0A
        LOAD    s1,00
        ; less or equal
        SUB     s0,s2
        SUBCY    s1,s3
        SLA     s2
        AND     s2,01
        XOR     s2,01
        OR      s2,s2
        JUMP    Z,label_3
        ; variable i
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        SUB     sF,01
        STORE   s3,(sF)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable total
        FETCH   s2,3E
        FETCH   s3,3F
        SUB     sF,01
        STORE   s3,(sF)
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _add
        ADD     sF,04
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3E
        STORE   s3,3F
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
        JUMP    label_2
label_3:
label_1:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;========================================================
        ;==  C compiler for ZEFO Tarvel platform  ==
        ;========================================================

