// Known differences in arithmetic: each value below is what the compiled
// code computes, with the C value in parentheses. docs/known-differences.md
// explains every case; this test keeps them from changing unnoticed.
// EXPECT: lt8 = 0          (C: 1)       signed comparison made unsigned
// EXPECT: lt16 = 0         (C: 1)
// EXPECT: gt8 = 0          (C: 1)
// EXPECT: gt16 = 0         (C: 1)
// EXPECT: shr16 = 32764    (C: -4)      >> shifts in zeros
// EXPECT: shr8 = 124       (C: -4)
// EXPECT: sum8 = 144       (C: 400)     no promotion to int
// EXPECT: shl8 = 3         (C: 768)
// EXPECT: eq255 = 1        (C: 0)
// EXPECT: neg8 = 56        (C: -200)
// EXPECT: not8 = 240       (C: -16)
// EXPECT: div8 = -72       (C: -200)    one-byte signed division
// EXPECT: mul16 = -7232    (C: 25536)   15-bit signed products
// EXPECT: mul8 = 0         (C: -256)
// EXPECT: min16 = 0        (C: -32768)  most negative dividend
// EXPECT: min8 = 0         (C: -128)
// EXPECT: mixdiv = -2      (C: 32766)   int / unsigned int
// EXPECT: div0 = 200       (C: undefined) division by zero
// EXPECT: mod0 = 0         (C: undefined)
char lt8, lt16, gt8, gt16, shr8, eq255, min8;
int shr16, sum8, shl8, neg8, not8, div8, mul16, mul8, min16, mixdiv;
unsigned char div0, mod0;

void main()
{
    char c;
    unsigned char u;
    int x;
    unsigned int w;
    c = -5;
    lt8 = c < 0;
    x = -300;
    lt16 = x < 1;
    c = 127;
    gt8 = c > -128;
    x = 32767;
    gt16 = x > -32768;
    x = -8;
    shr16 = x >> 1;
    c = -8;
    shr8 = c >> 1;
    u = 200;
    sum8 = u + u;
    c = 3;
    shl8 = c << 8;
    c = -1;
    eq255 = c == 255;
    u = 200;
    neg8 = -u;
    u = 0x0F;
    not8 = ~u;
    u = 200;
    c = -1;
    div8 = u / c;
    x = 200;
    mul16 = x * -200;
    c = -128;
    mul8 = c * 2;
    x = -32768;
    min16 = x / 1;
    c = -128;
    min8 = c / 1;
    x = -4;
    w = 2;
    mixdiv = x / w;
    u = 200;
    c = 0;
    div0 = u / (unsigned char)c;
    mod0 = u % (unsigned char)c;
}
