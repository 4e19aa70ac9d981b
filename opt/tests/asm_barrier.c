// Asm blocks in functions the optimizer rewrites: a block may change any
// register but the frame and stack pointers, so the values a function or
// its callers need after a block must not wait in registers it writes.
// EXPECT: seen = 119
// EXPECT: result = 24
// EXPECT: count = 3
unsigned char seen;
unsigned char result;
unsigned char count;

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

void main()
{
    unsigned char a;
    unsigned char b;
    count = 0;
    a = 4;
    mark();
    b = across(a);
    mark();
    result = a + b + across(a + 1);
    mark();
}
