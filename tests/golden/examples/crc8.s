        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    0  A101  main()
        ; ---    1  A902  crc8_update(2C02,2C02)
        ;  54    1  2902  valid
        ;  55    2  2904  sum
        ;  57    1  2902  crc
        ;  58    1  2B02  frame
        ;-----------------------------------------------

        CONSTANT    _valid , 36
        CONSTANT    _sum , 37
        CONSTANT    _crc , 39
        CONSTANT    _frame , 3A


        LOAD    sF,36
        CALL    _main
main_end:
        JUMP    main_end

        ;================================================
        ; Function crc8_update:
_crc8_update:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        SUB     sF,01 ;stack_sync
        ; variable c
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ; variable data
        LOAD    sD,sE
        ADD     sD,02
        FETCH   s0,(sD)
        ; xor
        XOR     s2,s0
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        ADD     sD,01
        STORE   s2,(sD)
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
label_1:
        ; variable bit
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 8
        LOAD    s0,08
        ; less 
        SUB     s2,s0
        SLA     s2
        AND     s2,01
        OR      s2,s2
        JUMP    Z,label_2
        ; variable c
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ; constant 128
        LOAD    s0,80
        ; and
        AND     s2,s0
        OR      s2,s2
        JUMP    Z,label_3
        ; variable c
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; shift left
        SL0     s2
        ; constant 7
        LOAD    s0,07
        ; xor
        XOR     s2,s0
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        ADD     sD,01
        STORE   s2,(sD)
        JUMP    label_4
label_3:
        ; variable c
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; shift left
        SL0     s2
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        ADD     sD,01
        STORE   s2,(sD)
label_4:
        ; postfix plus
        ; variable bit
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; bit plus 1
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; ( &(bit) )=((bit)+(1)) minus 1
        SUB     s2,s0
        JUMP    label_1
label_2:
        ; variable c
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
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
        SUB     sF,01 ;stack_sync
        SUB     sF,01 ;stack_sync
        ; constant 84
        LOAD    s2,54
        ; store standardly 01 byte(s)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable frame
        LOAD    s2,3A
        ; constant 0
        LOAD    s0,00
        ADD     s2,s0
        FETCH   s0,(sF)
        ADD     sF,01
        STORE   s0,(s2)
        ; constant 97
        LOAD    s2,61
        ; store standardly 01 byte(s)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable frame
        LOAD    s2,3A
        ; constant 1
        LOAD    s0,01
        ADD     s2,s0
        FETCH   s0,(sF)
        ADD     sF,01
        STORE   s0,(s2)
        ; constant 114
        LOAD    s2,72
        ; store standardly 01 byte(s)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable frame
        LOAD    s2,3A
        ; constant 2
        LOAD    s0,02
        ADD     s2,s0
        FETCH   s0,(sF)
        ADD     sF,01
        STORE   s0,(s2)
        ; constant 118
        LOAD    s2,76
        ; store standardly 01 byte(s)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable frame
        LOAD    s2,3A
        ; constant 3
        LOAD    s0,03
        ADD     s2,s0
        FETCH   s0,(sF)
        ADD     sF,01
        STORE   s0,(s2)
        ; constant 101
        LOAD    s2,65
        ; store standardly 01 byte(s)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable frame
        LOAD    s2,3A
        ; constant 4
        LOAD    s0,04
        ADD     s2,s0
        FETCH   s0,(sF)
        ADD     sF,01
        STORE   s0,(s2)
        ; constant 103
        LOAD    s2,67
        ; store standardly 01 byte(s)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable frame
        LOAD    s2,3A
        ; constant 5
        LOAD    s0,05
        ADD     s2,s0
        FETCH   s0,(sF)
        ADD     sF,01
        STORE   s0,(s2)
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,39
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    s3,00
        STORE   s2,37
        STORE   s3,38
        ; variable frame
        LOAD    s2,3A
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,02
        STORE   s2,(sD)
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
label_6:
        ; variable i
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 5
        LOAD    s0,05
        ; less 
        SUB     s2,s0
        SLA     s2
        AND     s2,01
        OR      s2,s2
        JUMP    Z,label_7
        ; variable p
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s2,(sD)
        ; dereference
        FETCH   s2,(s2)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable crc
        FETCH   s2,39
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _crc8_update
        ADD     sF,02
        ; store directly
        ; reference
        ; store variable
        STORE   s2,39
        ; variable sum
        FETCH   s2,37
        FETCH   s3,38
        ; variable p
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s0,(sD)
        ; dereference
        FETCH   s0,(s0)
        LOAD    s1,00
        ; sum plus  *(p) 
        ADD     s2,s0
        ADDCY    s3,s1
        ; store directly
        ; reference
        ; store variable
        STORE   s2,37
        STORE   s3,38
        ; prefix plus
        ; variable p
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,02
        STORE   s2,(sD)
        ; postfix plus
        ; variable i
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; i plus 1
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; ( &(i) )=((i)+(1)) minus 1
        SUB     s2,s0
        JUMP    label_6
label_7:
        ; variable crc
        FETCH   s2,39
        ; variable p
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s0,(sD)
        ; dereference
        FETCH   s0,(s0)
        ; ==
        XOR     s2,s0
        JUMP    Z,label_8
        LOAD    s2,01
label_8:
        XOR     s2,01
        ; store directly
        ; reference
        ; store variable
        STORE   s2,36
label_5:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;========================================================
        ;==  C compiler for ZEFO Tarvel platform  ==
        ;========================================================

