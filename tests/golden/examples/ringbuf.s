        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    0  A101  main()
        ; ---    2  A104  get()
        ; ---    1  A102  put(2C02)
        ;  51    2  2904  total
        ;  53    1  2902  dropped
        ;  54    1  2902  tail
        ;  55    1  2902  head
        ;  56    1  2B02  buf
        ;-----------------------------------------------

        CONSTANT    _total , 33
        CONSTANT    _dropped , 35
        CONSTANT    _tail , 36
        CONSTANT    _head , 37
        CONSTANT    _buf , 38


        LOAD    sF,33
        CALL    _main
main_end:
        JUMP    main_end

        ;================================================
        ; Function put:
_put:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        SUB     sF,01 ;stack_sync
        ; variable head
        FETCH   s2,37
        ; constant 1
        LOAD    s0,01
        ; head plus 1
        ADD     s2,s0
        ; constant 8
        LOAD    s0,08
        ; modulo
        CALL    div8x8
        LOAD    s2,s3
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
        ; variable next
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; variable tail
        FETCH   s0,36
        ; ==
        XOR     s2,s0
        JUMP    Z,label_3
        LOAD    s2,01
label_3:
        XOR     s2,01
        OR      s2,s2
        JUMP    Z,label_1
        ; postfix plus
        ; variable dropped
        FETCH   s2,35
        ; constant 1
        LOAD    s0,01
        ; dropped plus 1
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,35
        ; constant 1
        LOAD    s0,01
        ; ( &(dropped) )=((dropped)+(1)) minus 1
        SUB     s2,s0
        ; constant 0
        LOAD    s2,00
        JUMP    label_0 ;return
        JUMP    label_2
label_1:
label_2:
        ; variable v
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ; store standardly 01 byte(s)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable buf
        LOAD    s2,38
        ; variable head
        FETCH   s0,37
        ADD     s2,s0
        FETCH   s0,(sF)
        ADD     sF,01
        STORE   s0,(s2)
        ; variable next
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; store directly
        ; reference
        ; store variable
        STORE   s2,37
        ; constant 1
        LOAD    s2,01
        JUMP    label_0 ;return
label_0:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;================================================
        ; Function get:
_get:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        SUB     sF,01 ;stack_sync
        SUB     sF,02 ;stack_sync
        ; constant -1
        LOAD    s2,FF
        ; store directly
        ; reference
        ; store variable
        LOAD    s3,s2
        AND     s3,80
        JUMP    Z,label_5
        LOAD    s3,FF
label_5:
        LOAD    sD,sE
        SUB     sD,03
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
        ; variable head
        FETCH   s2,37
        ; variable tail
        FETCH   s0,36
        ; ==
        XOR     s2,s0
        JUMP    Z,label_8
        LOAD    s2,01
label_8:
        XOR     s2,01
        OR      s2,s2
        JUMP    Z,label_6
        ; variable v
        LOAD    sD,sE
        SUB     sD,03
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        JUMP    label_4 ;return
        JUMP    label_7
label_6:
label_7:
        ; variable buf
        LOAD    s2,38
        ; variable tail
        FETCH   s0,36
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
        ; variable slot
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; dereference
        FETCH   s2,(s2)
        ; store directly
        ; reference
        ; store variable
        LOAD    s3,00
        LOAD    sD,sE
        SUB     sD,03
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
        ; variable tail
        FETCH   s2,36
        ; constant 1
        LOAD    s0,01
        ; tail plus 1
        ADD     s2,s0
        ; constant 7
        LOAD    s0,07
        ; and
        AND     s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,36
        ; variable v
        LOAD    sD,sE
        SUB     sD,03
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        JUMP    label_4 ;return
label_4:
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
        SUB     sF,02 ;stack_sync
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,37
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,36
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        STORE   s2,35
        ; constant 1
        LOAD    s2,01
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
label_10:
        ; variable i
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 10
        LOAD    s0,0A
        ; less or equal
        SUB     s0,s2
        SLA     s2
        AND     s2,01
        XOR     s2,01
        OR      s2,s2
        JUMP    Z,label_11
        ; variable i
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 3
        LOAD    s0,03
        ; multiply
        CALL    mult8x8
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _put
        ADD     sF,01
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
        JUMP    label_10
label_11:
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    s3,00
        STORE   s2,33
        STORE   s3,34
        CALL    _get
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,03
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
label_12:
        ; variable v
        LOAD    sD,sE
        SUB     sD,03
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        ; constant -1
        LOAD    s0,FF
        LOAD    s1,s0
        AND     s1,80
        JUMP    Z,label_14
        LOAD    s1,FF
label_14:
        ; !=
        XOR     s2,s0
        JUMP    NZ,label_16
        XOR     s3,s1
        JUMP    Z,label_15
label_16:
        LOAD    s2,01
label_15:
        OR      s2,s2
        JUMP    Z,label_13
        ; variable total
        FETCH   s2,33
        FETCH   s3,34
        ; variable v
        LOAD    sD,sE
        SUB     sD,03
        FETCH   s0,(sD)
        ADD     sD,01
        FETCH   s1,(sD)
        ; total plus v
        ADD     s2,s0
        ADDCY    s3,s1
        ; store directly
        ; reference
        ; store variable
        STORE   s2,33
        STORE   s3,34
        CALL    _get
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,03
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
        JUMP    label_12
label_13:
label_9:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


mult8x8:
        LOAD    s1,s2
        LOAD    s2,00
        LOAD    s3,s0
        LOAD    s0,08
mult8x8_l1:
        SL0     s2
        SLA     s3
        JUMP    NC,mult8x8_l2
        ADD     s2,s1
        ADDCY    s3,00
mult8x8_l2:
        SUB     s0,01
        JUMP    NZ,mult8x8_l1
        RETURN

div8x8:
        LOAD    s3,00
        OR		 s0,s0
        RETURN  Z
        SL0     s2
        SLA     s3
        LOAD    s1,07
div8x8_l1:
        COMPARE s3,s0
        JUMP    C,div8x8_l2
        SUB     s3,s0
div8x8_l2:
        SLA     s2
        SLA     s3
        SUB     s1,01
        JUMP    NZ,div8x8_l1
        COMPARE s3,s0
        JUMP    C,div8x8_l3
        SUB     s3,s0
div8x8_l3:
        SLA     s2
        XOR     s2,FF
        RETURN

        ;========================================================
        ;==  C compiler for ZEFO Tarvel platform  ==
        ;========================================================

