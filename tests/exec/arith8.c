// One-byte additive, bitwise and unary operators, signed and unsigned,
// including wrap-around at the ends of the range and compound assignment.
// EXPECT: s_add = -128
// EXPECT: s_sub = 127
// EXPECT: s_neg = -100
// EXPECT: s_not = -101
// EXPECT: s_mix = 2
// EXPECT: u_add = 4
// EXPECT: u_sub = 255
// EXPECT: u_and = 160
// EXPECT: u_or = 245
// EXPECT: u_xor = 85
// EXPECT: u_not = 15
// EXPECT: u_lnot = 1
// EXPECT: u_lnot2 = 0
// EXPECT: u_cmp = 83
// EXPECT: s_inc = -127
// EXPECT: s_post = -128
// EXPECT: u_dec = 255
// EXPECT: u_pre = 255
char s_add, s_sub, s_neg, s_not, s_mix;
unsigned char u_add, u_sub, u_and, u_or, u_xor, u_not, u_lnot, u_lnot2, u_cmp;
char s_inc, s_post;
unsigned char u_dec, u_pre;

void main()
{
    char a;
    unsigned char b;
    a = 127;
    s_add = a + 1;              // wraps to the most negative value
    s_sub = s_add - 1;          // and back
    a = 100;
    s_neg = -a;
    s_not = ~a;
    s_mix = (a - 98) & 0x0F;
    b = 250;
    u_add = b + 10;
    u_sub = u_add - 5;
    b = 0xF0;
    u_and = b & 0xA5;
    u_or = b | 0x05;
    u_xor = 0xF0 ^ 0xA5;
    u_xor = u_xor ^ b ^ 0xF0;
    u_not = ~b;
    u_lnot = !(b - 0xF0);
    u_lnot2 = !b;
    u_cmp = 80;
    u_cmp += 5;
    u_cmp -= 3;
    u_cmp |= 1;
    u_cmp &= 0x53;
    u_cmp ^= 0;
    s_inc = s_add;
    s_post = s_inc++;
    u_dec = 0;
    u_pre = --u_dec;
}
