// Asm blocks in functions the optimizer rewrites: a block may change any
// register but the frame and stack pointers, so the values a function or
// its callers need after a block must not wait in registers it writes.
// Port input and output go through blocks too: each value read is scaled
// and written back in order.
// SIM-ARGS: --in %S/ports.in
// EXPECT: seen = 119, result = 24, count = 3, total = 142
// EXPECT-LINE: 02 01
// EXPECT-LINE: 02 0B
// EXPECT-LINE: 02 21
// EXPECT-LINE: 02 61
unsigned char seen, result, count, got, total;

unsigned char across(unsigned char v)
{
    unsigned char keep;
    keep = v + 1;
    asm {
        LOAD    s0,FF
        LOAD    s1,FF
        LOAD    s2,FF
        LOAD    s3,FF
        LOAD    s4,FF
        LOAD    s5,FF
        LOAD    s6,FF
        LOAD    s7,FF
        LOAD    s8,FF
        LOAD    s9,FF
        LOAD    sA,FF
        LOAD    sB,FF
        LOAD    sC,FF
        LOAD    sD,FF
    }
    return keep + v;
}

void mark()
{
    asm {
        LOAD    s6,77
        STORE   s6,_seen
        LOAD    sC,00
    }
    count++;
}

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

void main()
{
    unsigned char a, b, n, v;
    count = 0;
    a = 4;
    mark();
    b = across(a);
    mark();
    result = a + b + across(a + 1);
    mark();
    total = 0;
    for (n = 0; n < 4; n++) {
        v = read_port() * n + 1;
        total = total + v;
        write_port(v);
    }
}
