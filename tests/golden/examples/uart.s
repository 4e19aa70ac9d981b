        ;========================================================
        ;==  C to assembler compiler for ZEFO Tarvel platform  ==
        ;========================================================
        ;
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    0  A101  main()
        ; ---    0  A101  send(2402)
        ; ---    1  A102  receive()
        ; ---    0  A101  poll()
        ;  60    2  2904  received
        ;  62    1  2102  rx
        ;  63    1  2102  ready
        ;-----------------------------------------------

        CONSTANT    _received , 3C
        CONSTANT    _rx , 3E
        CONSTANT    _ready , 3F


        LOAD    sF,3C
        CALL    _main
main_end:
        JUMP    main_end

        ;================================================
        ; Function poll:
_poll:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
;inline asm function start
        INPUT   s2,00
        AND     s2,01
        STORE   s2,_ready
;inline asm function end
label_0:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;================================================
        ; Function receive:
_receive:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
;inline asm function start
        INPUT   s2,01
        STORE   s2,_rx
;inline asm function end
        ; variable received
        FETCH   s2,3C
        FETCH   s3,3D
        ; constant 1
        LOAD    s0,01
        LOAD    s1,00
        ; received plus 1
        ADD     s2,s0
        ADDCY    s3,s1
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3C
        STORE   s3,3D
        ; variable rx
        FETCH   s2,3E
        JUMP    label_1 ;return
label_1:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;================================================
        ; Function send:
_send:
        SUB     sF,01
        STORE   sE,(sF)
        LOAD    sE,sF
        ; variable byte
        LOAD    sD,sE
        ADD     sD,01
        FETCH   s2,(sD)
        ; store directly
        ; reference
        ; store variable
        STORE   s2,3E
;inline asm function start
        FETCH   s2,_rx
        OUTPUT  s2,01
;inline asm function end
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
        ; constant 0
        LOAD    s2,00
        ; store directly
        ; reference
        ; store variable
        LOAD    s3,00
        STORE   s2,3C
        STORE   s3,3D
label_4:
        CALL    _poll
        ; logical neg 
        ; variable ready
        FETCH   s2,3F
        OR      s2,s2
        JUMP    Z,label_8
        LOAD    s2,01
label_8:
        XOR     s2,01
        OR      s2,s2
        JUMP    Z,label_6
        JUMP    label_4 ;continue
        JUMP    label_7
label_6:
label_7:
        CALL    _receive
        ; store directly
        ; reference
        ; store variable
        LOAD    sD,sE
        SUB     sD,01
        STORE   s2,(sD)
        ; variable c
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        ; constant 13
        LOAD    s0,0D
        ; ==
        XOR     s2,s0
        JUMP    Z,label_11
        LOAD    s2,01
label_11:
        XOR     s2,01
        OR      s2,s2
        JUMP    Z,label_9
        ; constant 10
        LOAD    s2,0A
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _send
        ADD     sF,01
        JUMP    label_10
label_9:
label_10:
        ; variable c
        LOAD    sD,sE
        SUB     sD,01
        FETCH   s2,(sD)
        SUB     sF,01
        STORE   s2,(sF)
        CALL    _send
        ADD     sF,01
        JUMP    label_4
label_5:
label_3:
        LOAD    sF,sE
        FETCH   sE,(sF)
        ADD     sF,01
        RETURN


        ;========================================================
        ;==  C compiler for ZEFO Tarvel platform  ==
        ;========================================================

