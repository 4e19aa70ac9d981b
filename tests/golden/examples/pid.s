        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    0  A101  main()
        ; ---    0  A101  pid_step()
        ; ---    2  A104  clamp(2404,2404)
        ;  54    2  2104  drive
        ;  56    2  2104  prev_error
        ;  58    2  2104  integral
        ;  60    2  2104  measured
        ;  62    2  2104  setpoint
        ;-----------------------------------------------

        CONSTANT    _drive , 36
        CONSTANT    _prev_error , 38
        CONSTANT    _integral , 3A
        CONSTANT    _measured , 3C
        CONSTANT    _setpoint , 3E


        LOAD    sF,36
        CALL    _main
main_end:
        JUMP    main_end

        ;================================================
        ; Function clamp:
_clamp:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        SUB     sF,02 ;stack_sync
        ; unary minus
        ; variable limit
        LOAD    sD,sE
        ADD     sD,03
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        XOR     s2,FF
        XOR     s3,FF
        ADD     s2,01
        ADDCY    s3,00
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,02
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
        ; variable v
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        ; constant 32768
        LOAD    s1,80
        LOAD    s0,00
        ; and
        AND     s2,s0
        AND     s3,s1
        OR      s2,s3
        JUMP    Z,label_1
        ; unary minus
        ; variable v
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        XOR     s2,FF
        XOR     s3,FF
        ADD     s2,01
        ADDCY    s3,00
        ; type conversion 
        ; variable limit
        LOAD    sD,sE
        ADD     sD,03
        FETCH   s0,(sD)
        ADD     sD,01
        FETCH   s1,(sD)
        ; greater 
        SUB     s0,s2
        SUBCY    s1,s3
        SLA     s2
        AND     s2,01
        OR      s2,s2
        JUMP    Z,label_3
        ; variable low
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        JUMP    label_0 ;return
        JUMP    label_4
label_3:
label_4:
        JUMP    label_2
label_1:
        ; variable v
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        ; type conversion 
        ; variable limit
        LOAD    sD,sE
        ADD     sD,03
        FETCH   s0,(sD)
        ADD     sD,01
        FETCH   s1,(sD)
        ; greater 
        SUB     s0,s2
        SUBCY    s1,s3
        SLA     s2
        AND     s2,01
        OR      s2,s2
        JUMP    Z,label_5
        ; variable limit
        LOAD    sD,sE
        ADD     sD,03
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        JUMP    label_0 ;return
        JUMP    label_6
label_5:
label_6:
label_2:
        ; variable v
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


        ;================================================
        ; Function pid_step:
_pid_step:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        SUB     sF,02 ;stack_sync
        SUB     sF,02 ;stack_sync
        ; variable setpoint
        FETCH   s2,3E
        FETCH   s3,3F
        ; variable measured
        FETCH   s0,3C
        FETCH   s1,3D
        ; setpoint minus measured
        SUB     s2,s0
        SUBCY    s3,s1
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,02
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
        ; constant 400
        LOAD    s3,01
        LOAD    s2,90
        SUB     sF,01
        STORE   s3,(sF)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable integral
        FETCH   s2,3A
        FETCH   s3,3B
        ; variable error
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s0,(sD)
        ADD     sD,01
        FETCH   s1,(sD)
        ; integral plus error
        ADD     s2,s0
        ADDCY    s3,s1
        SUB     sF,01
        STORE   s3,(sF)
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _clamp
        ADD     sF,04
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3A
        STORE   s3,3B
        ; variable error
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        ; variable prev_error
        FETCH   s0,38
        FETCH   s1,39
        ; error minus prev_error
        SUB     s2,s0
        SUBCY    s3,s1
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,04
        STORE   s2,(sD)
        ADD     sD,01
        STORE   s3,(sD)
        ; variable error
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s2,(sD)
        ADD     sD,01
        FETCH   s3,(sD)
        ; store directly
        ; reference
        ; store variable
        STORE   s2,38
        STORE   s3,39
        ; constant 120
        LOAD    s2,78
        LOAD    s3,00
        SUB     sF,01
        STORE   s3,(sF)
        SUB     sF,01
        STORE   s2,(sF)
        ; constant 12
        LOAD    s2,0C
        ; variable error
        LOAD    sD,sE
        SUB     sD,02
        FETCH   s0,(sD)
        ADD     sD,01
        FETCH   s1,(sD)
        LOAD    s3,00
        ; multiply
        CALL    mult16x15
        SUB     sF,01
        STORE   s3,(sF)
        SUB     sF,01
        STORE   s2,(sF)
        ; constant 3
        LOAD    s2,03
        ; variable integral
        FETCH   s0,3A
        FETCH   s1,3B
        LOAD    s3,00
        ; multiply
        CALL    mult16x15
        FETCH   s0,(sF)
        ADD     sF,01
        FETCH   s1,(sF)
        ADD     sF,01
        ; (12)*(error) plus (3)*(integral)
        ADD     s2,s0
        ADDCY    s3,s1
        SUB     sF,01
        STORE   s3,(sF)
        SUB     sF,01
        STORE   s2,(sF)
        ; constant 4
        LOAD    s2,04
        ; variable derivative
        LOAD    sD,sE
        SUB     sD,04
        FETCH   s0,(sD)
        ADD     sD,01
        FETCH   s1,(sD)
        LOAD    s3,00
        ; multiply
        CALL    mult16x15
        FETCH   s0,(sF)
        ADD     sF,01
        FETCH   s1,(sF)
        ADD     sF,01
        ; ((12)*(error))+((3)*(integral)) plus (4)*(derivative)
        ADD     s2,s0
        ADDCY    s3,s1
        ; constant 16
        LOAD    s0,10
        LOAD    s1,00
        ; divide
        LOAD    sD,00
        TEST    s3,80
        JUMP    Z,label_8
        XOR     s2,FF
        XOR     s3,FF
        ADD     s2,01
        ADDCY    s3,00
        XOR     sD,01
label_8:
        SUB     sF,01
        STORE   sD,(sF)
        CALL    div16x16
        FETCH   sD,(sF)
        ADD     sF,01
        AND     s3,7F
        TEST    sD,01
        JUMP    Z,label_9
        XOR     s2,FF
        XOR     s3,FF
        ADD     s2,01
        ADDCY    s3,00
label_9:
        SUB     sF,01
        STORE   s3,(sF)
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _clamp
        ADD     sF,04
        ; store directly
        ; reference
        ; store variable
        STORE   s2,36
        STORE   s3,37
label_7:
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
        ; constant 300
        LOAD    s3,01
        LOAD    s2,2C
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3E
        STORE   s3,3F
        ; constant 20
        LOAD    s2,14
        ; store directly
        ; reference
        ; store variable
        LOAD    s3,00
        STORE   s2,3C
        STORE   s3,3D
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    s3,00
        STORE   s2,3A
        STORE   s3,3B
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    s3,00
        STORE   s2,38
        STORE   s3,39
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
label_11:
        ; variable step
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 12
        LOAD    s0,0C
        ; less 
        SUB     s2,s0
        SLA     s2
        AND     s2,01
        OR      s2,s2
        JUMP    Z,label_12
        CALL    _pid_step
        ; variable measured
        FETCH   s2,3C
        FETCH   s3,3D
        SUB     sF,01
        STORE   s3,(sF)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable drive
        FETCH   s2,36
        FETCH   s3,37
        ; constant 4
        LOAD    s0,04
        LOAD    s1,00
        ; divide
        LOAD    sD,00
        TEST    s3,80
        JUMP    Z,label_13
        XOR     s2,FF
        XOR     s3,FF
        ADD     s2,01
        ADDCY    s3,00
        XOR     sD,01
label_13:
        SUB     sF,01
        STORE   sD,(sF)
        CALL    div16x16
        FETCH   sD,(sF)
        ADD     sF,01
        AND     s3,7F
        TEST    sD,01
        JUMP    Z,label_14
        XOR     s2,FF
        XOR     s3,FF
        ADD     s2,01
        ADDCY    s3,00
label_14:
        FETCH   s0,(sF)
        ADD     sF,01
        FETCH   s1,(sF)
        ADD     sF,01
        ; measured plus (drive)/(4)
        ADD     s2,s0
        ADDCY    s3,s1
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3C
        STORE   s3,3D
        ; postfix plus
        ; variable step
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; step plus 1
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; ( &(step) )=((step)+(1)) minus 1
        SUB     s2,s0
        JUMP    label_11
label_12:
label_10:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


mult16x15:
        LOAD    s5,s1
        LOAD    s4,s0
        LOAD    s1,s3
        LOAD    s0,s2
        LOAD    s3,00
        LOAD    s2,00
        JUMP    mult15x16_l3
mult15x16:
        LOAD    s5,s3
        LOAD    s4,s2
        LOAD    s3,00
        LOAD    s2,00
mult15x16_l3:
        TEST    s5,80
        JUMP    Z,mult15x16_l0
        XOR     s4,FF
        XOR     s5,FF
        ADD     s4,01
        ADDCY    s5,00
        LOAD    s3,80
mult15x16_l0:
        SL0     s3
        SLA     s4
        SLA     s5
        LOAD    sD,0F
mult15x16_l1:
        SL0     s2
        SLA     s3
        SLA     s4
        SLA     s5
        JUMP    NC,mult15x16_l2
        ADD     s2,s0
        ADDCY    s3,s1
mult15x16_l2:
        SUB     sD,01
        JUMP    NZ,mult15x16_l1
        AND     s3,7F
        TEST    s5,80
        RETURN  Z
        XOR     s2,FF
        XOR     s3,FF
        ADD     s2,01
        ADDCY    s3,00
        RETURN

div16x16:
        LOAD    s4,00
        LOAD    s5,00
        LOAD    sD,s0
        OR      sD,s1
        RETURN  Z
        SL0     s2
        SLA     s3
        SLA     s4
        SLA     s5
        LOAD    sD,0F
div16x16_l1:
        COMPARE s5,s1
        JUMP    C,div16x16_l2
        JUMP    NZ,div16x16_l4
        COMPARE s4,s0
        JUMP    C,div16x16_l2
div16x16_l4:
        SUB     s4,s0
        SUBCY    s5,s1
div16x16_l2:
        SLA     s2
        SLA     s3
        SLA     s4
        SLA     s5
        SUB     sD,01
        JUMP    NZ,div16x16_l1
        COMPARE s5,s1
        JUMP    C,div16x16_l3
        JUMP    NZ,div16x16_l5
        COMPARE s4,s0
        JUMP    C,div16x16_l3
div16x16_l5:
        SUB     s4,s0
        SUBCY    s5,s1
div16x16_l3:
        SLA     s2
        SLA     s3
        XOR     s2,FF
        XOR     s3,FF
        RETURN

        ;========================================================
        ;==  C compiler for ZEFO Tarvel platform  ==
        ;========================================================

