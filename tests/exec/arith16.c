// Two-byte additive, bitwise and unary operators, signed and unsigned: the
// carry between the bytes, wrap-around at both ends, mixed widths.
// EXPECT: i_carry = 256, i_borrow = 255, i_wrap = -32768, i_neg = -1000
// EXPECT: i_not = 999
// EXPECT: i_mix = -56     (C: 200; no promotion, docs/known-differences.md)
// EXPECT: i_wide = 200, u_wrap = 0, u_under = 65535, u_bits = 4660
// EXPECT: u_xor = 60672, u_lnot = 0, u_cmp = 1, u_inc = 0, u_post = 65535
// EXPECT: s_ext = -2, z_ext = 254, narrow_left = 299, narrow_left2 = -1000
int i_carry, i_borrow, i_wrap, i_neg, i_not, i_mix, i_wide, s_ext, z_ext;
int narrow_left, narrow_left2;
unsigned int u_wrap, u_under, u_bits, u_xor, u_lnot, u_cmp, u_inc, u_post;

void main()
{
    int x;
    char c;
    unsigned char uc;
    x = 255; i_carry = x + 1;           // carry from the low into the high byte
    i_borrow = i_carry - 1;             // borrow back
    x = 32767; i_wrap = x + 1;
    x = 1000; i_neg = -x; i_not = ~i_neg;
    c = 100; i_mix = c + 100;           // one-byte addition: no promotion (documented)
    i_wide = (int)c + 100;              // the cast makes it a two-byte addition
    u_wrap = 65535; u_wrap = u_wrap + 1; u_under = u_wrap - 1;
    u_bits = 0x1F3C & 0x12F4; u_bits = u_bits | 0x0004;
    u_xor = u_bits ^ 0xED00; u_xor = u_xor ^ 0x12CB ^ 0x0FF; u_lnot = !u_xor;
    u_cmp = 0x1000; u_cmp += 0x20; u_cmp -= 0x21; u_cmp |= 0x0002; u_cmp &= 0x1001; u_cmp ^= 0x0000;
    u_inc = 65535; u_post = u_inc++;
    c = -2; s_ext = c;                  // sign extension on a widening store
    uc = 254; z_ext = uc;               // zero extension
    c = -1; x = 300; narrow_left = c + x;  // the narrower left operand is widened first
    uc = 0; narrow_left2 = uc - 1000;
}
