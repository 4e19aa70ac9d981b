        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    0  A101  main()
        ; ---    0  A101  shift_out(2C02)
        ; ---    0  A101  pulse(2C02)
        ; ---    0  A101  port_write()
        ;  60    1  2902  sent
        ;  61    1  2B02  pattern
        ;  63    1  2902  port
        ;-----------------------------------------------

        CONSTANT    _sent , 3C
        CONSTANT    _pattern , 3D
        CONSTANT    _port , 3F


        LOAD    sF,3C
        CALL    _main
main_end:
        JUMP    main_end

        ;================================================
        ; Function port_write:
_port_write:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
;inline asm function start
        FETCH   s0,_port
        OUTPUT  s0,04
;inline asm function end
label_0:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;================================================
        ; Function pulse:
_pulse:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        ; variable port
        FETCH   s2,3F
        ; variable line
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s0,(sD)
        ; or
        OR      s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        CALL    _port_write
        ; variable port
        FETCH   s2,3F
        SUB     sF,01
        STORE   s2,(sF)
        ; bit neg
        ; variable line
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        XOR     s2,FF
        FETCH   s0,(sF)
        ADD     sF,01
        ; and
        AND     s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        CALL    _port_write
label_1:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;================================================
        ; Function shift_out:
_shift_out:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        SUB     sF,01 ;stack_sync
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
label_3:
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
        JUMP    Z,label_4
        ; variable value
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ; constant 128
        LOAD    s0,80
        ; and
        AND     s2,s0
        OR      s2,s2
        JUMP    Z,label_5
        ; variable port
        FETCH   s2,3F
        ; constant 1
        LOAD    s0,01
        ; or
        OR      s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
        JUMP    label_6
label_5:
        ; variable port
        FETCH   s2,3F
        ; constant -2
        LOAD    s0,FE
        ; and
        AND     s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3F
label_6:
        CALL    _port_write
        ; constant 2
        LOAD    s2,02
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _pulse
        ADD     sF,01
        ; variable value
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
        ; postfix plus
        ; variable sent
        FETCH   s2,3C
        ; constant 1
        LOAD    s0,01
        ; sent plus 1
        ADD     s2,s0
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3C
        ; constant 1
        LOAD    s0,01
        ; ( &(sent) )=((sent)+(1)) minus 1
        SUB     s2,s0
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
        JUMP    label_3
label_4:
label_2:
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
        ; constant 165
        LOAD    s2,A5
        ; store standardly 01 byte(s)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable pattern
        LOAD    s2,3D
        ; constant 0
        LOAD    s0,00
        ADD     s2,s0
        FETCH   s0,(sF)
        ADD     sF,01
        STORE   s0,(s2)
        ; constant 60
        LOAD    s2,3C
        ; store standardly 01 byte(s)
        SUB     sF,01
        STORE   s2,(sF)
        ; variable pattern
        LOAD    s2,3D
        ; constant 1
        LOAD    s0,01
        ADD     s2,s0
        FETCH   s0,(sF)
        ADD     sF,01
        STORE   s0,(s2)
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
        STORE   s2,3C
        ; constant 2
        LOAD    s2,02
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
label_8:
        ; variable i
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 0
        LOAD    s0,00
        ; !=
        XOR     s2,s0
        JUMP    Z,label_10
        LOAD    s2,01
label_10:
        OR      s2,s2
        JUMP    Z,label_9
        ; variable pattern
        LOAD    s2,3D
        SUB     sF,01
        STORE   s2,(sF)
        ; variable i
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; i minus 1
        SUB     s2,s0
        FETCH   s0,(sF)
        ADD     sF,01
        ADD     s2,s0
        ; dereference
        FETCH   s2,(s2)
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _shift_out
        ADD     sF,01
        ; prefix minus
        ; variable i
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 1
        LOAD    s0,01
        ; i minus 1
        SUB     s2,s0
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
        JUMP    label_8
label_9:
        ; constant 4
        LOAD    s2,04
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _pulse
        ADD     sF,01
label_7:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;========================================================
        ;==  C compiler for ZEFO Tarvel platform  ==
        ;========================================================

