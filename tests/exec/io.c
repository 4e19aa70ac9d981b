// Inline assembler and the I/O ports: INPUT reads the script given with
// --in, OUTPUT writes "port value" lines; a routine written in a top-level
// asm block is called from C, with a named constant and a register name.
// SIM-ARGS: --in %S/io.in
// EXPECT: first = 32, second = 10, total = 42, beeps = 2
// EXPECT-LINE: 10 2A
// EXPECT-LINE: 11 01
// EXPECT-LINE: 11 02
unsigned char first, second, total, beeps;

void beep();

asm {
        CONSTANT beep_port, 11
        NAMEREG  s4, count
_beep:
        FETCH    count,_beeps
        ADD      count,01
        STORE    count,_beeps
        OUTPUT   count,beep_port
        RETURN
}

void main()
{
    beeps = 0;
    asm {
        INPUT   s2,01
        STORE   s2,_first
        INPUT   s2,01
        STORE   s2,_second
    }
    total = first + second;
    asm {
        FETCH   s2,_total
        OUTPUT  s2,10
    }
    beep();
    beep();
}
