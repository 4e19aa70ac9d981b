// Port input and output from asm blocks inside functions whose neighbours
// keep their locals in registers: each value read is scaled and written
// back in order.
// SIM-ARGS: --in %S/ports.in
// EXPECT: total = 142
// EXPECT-LINE: 02 01
// EXPECT-LINE: 02 0B
// EXPECT-LINE: 02 21
// EXPECT-LINE: 02 61
unsigned char got;
unsigned char total;

unsigned char read_port()
{
    asm {
        INPUT   s2,01
        STORE   s2,_got
    }
    return got;
}

void write_port(unsigned char v)
{
    got = v;
    asm {
        FETCH   s2,_got
        OUTPUT  s2,02
    }
}

unsigned char scale(unsigned char v, unsigned char k)
{
    unsigned char r;
    r = v * k + 1;
    return r;
}

void main()
{
    unsigned char n;
    total = 0;
    for (n = 0; n < 4; n++) {
        unsigned char v;
        v = read_port();
        v = scale(v, n);
        total = total + v;
        write_port(v);
    }
}
