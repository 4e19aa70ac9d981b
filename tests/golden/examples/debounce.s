        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    0  A101  main()
        ; ---    0  A101  debounce(2C02)
        ;  60    1  2902  held_ticks
        ;  61    1  2902  presses
        ;  62    1  2902  count
        ;  63    1  2902  state
        ;-----------------------------------------------

        CONSTANT    _held_ticks , 3C
        CONSTANT    _presses , 3D
        CONSTANT    _count , 3E
        CONSTANT    _state , 3F


        LOAD    sF,3C
        CALL    _main
main_end:
        JUMP    main_end

        ;================================================
        ; Function debounce:
_debounce:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        ; variable state
        FETCH   s2,3F
        ; constant 0
        LOAD    s0,00
        SUB     s0,s2
        JUMP    Z,label_2_0 ;case 00
        ; constant 1
        LOAD    s0,01
        SUB     s0,s2
        JUMP    Z,label_2_1 ;case 01
        ; constant 2
        LOAD    s0,02
        SUB     s0,s2
        JUMP    Z,label_2_2 ;case 02
        ; constant 3
        LOAD    s0,03
        SUB     s0,s2
        JUMP    Z,label_2_3 ;case 03
        JUMP    label_2 ;default
label_2_0:
        ; variable raw
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        OR      s2,s2
        JUMP    Z,label_3
        ; constant 1
        LOAD    s2,01
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3E
        JUMP    label_4
label_3:
label_4:
        JUMP    label_1 ;break
label_2_1:
        ; logical neg 
        ; variable raw
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        OR      s2,s2
        JUMP    Z,label_7
        LOAD    s2,01
label_7:
        XOR     s2,01
        OR      s2,s2
        JUMP    Z,label_5
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        JUMP    label_1 ;break
        JUMP    label_6
label_5:
label_6:
        ; prefix plus
        ; variable count
        FETCH   s2,3E
        ; constant 1
        LOAD    s0,01
        ; count plus 1
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3E
        ; constant 3
        LOAD    s0,03
        ; less
        SUB     s2,s0
        SLA     s2
        AND     s2,01
        XOR     s2,01
        OR      s2,s2
        JUMP    Z,label_8
        ; constant 2
        LOAD    s2,02
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        ; postfix plus
        ; variable presses
        FETCH   s2,3D
        ; constant 1
        LOAD    s0,01
        ; presses plus 1
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3D
        ; constant 1
        LOAD    s0,01
        ; ( &(presses) )=((presses)+(1)) minus 1
        SUB     s2,s0
        JUMP    label_9
label_8:
label_9:
        JUMP    label_1 ;break
label_2_2:
        ; postfix plus
        ; variable held_ticks
        FETCH   s2,3C
        ; constant 1
        LOAD    s0,01
        ; held_ticks plus 1
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3C
        ; constant 1
        LOAD    s0,01
        ; ( &(held_ticks) )=((held_ticks)+(1)) minus 1
        SUB     s2,s0
        ; logical neg 
        ; variable raw
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        OR      s2,s2
        JUMP    Z,label_12
        LOAD    s2,01
label_12:
        XOR     s2,01
        OR      s2,s2
        JUMP    Z,label_10
        ; constant 3
        LOAD    s2,03
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3E
        JUMP    label_11
label_10:
label_11:
        JUMP    label_1 ;break
label_2_3:
        ; variable raw
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        OR      s2,s2
        JUMP    Z,label_13
        ; constant 2
        LOAD    s2,02
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        JUMP    label_1 ;break
        JUMP    label_14
label_13:
label_14:
        ; prefix plus
        ; variable count
        FETCH   s2,3E
        ; constant 1
        LOAD    s0,01
        ; count plus 1
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3E
        ; constant 3
        LOAD    s0,03
        ; less
        SUB     s2,s0
        SLA     s2
        AND     s2,01
        XOR     s2,01
        OR      s2,s2
        JUMP    Z,label_15
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        JUMP    label_16
label_15:
label_16:
        JUMP    label_1 ;break
label_2:
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
label_1:
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
        SUB     sF,01 ;stack_sync
        ; constant 3834
        LOAD    s3,0E
        LOAD    s2,FA
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,02
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3D
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3C
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,03
        STORE   s2,(sD)
label_18:
        ; variable tick
        LOAD    sD,sE
        SUB     sD,03
        FETCH   s2,(sD)
        ; constant 16
        LOAD    s0,10
        ; less 
        SUB     s2,s0
        SLA     s2
        AND     s2,01
        OR      s2,s2
        JUMP    Z,label_19
        ; variable samples
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        ; constant 1
        LOAD    s0,01
        LOAD    s1,00
        ; and
        AND     s2,s0
        AND     s3,s1
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _debounce
        ADD     sF,01
        ; variable samples
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        ; constant 1
        LOAD    s0,01
        LOAD    s1,00
        ; shift right
        SR0     s3
        SRA     s2
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,02
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
        ; postfix plus
        ; variable tick
        LOAD    sD,sE
        SUB     sD,03
        FETCH   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; tick plus 1
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,03
        STORE   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; ( &(tick) )=((tick)+(1)) minus 1
        SUB     s2,s0
        JUMP    label_18
label_19:
label_17:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;========================================================
        ;==  C compiler for ZEFO Tarvel platform  ==
        ;========================================================

