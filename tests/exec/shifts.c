// Shifts by constants at one and two bytes: every count that moves bits
// between the bytes, the count taken modulo the width, and compound shifts.
// EXPECT: u8_l1 = 2
// EXPECT: u8_l7 = 128
// EXPECT: u8_r3 = 16
// EXPECT: u8_r7 = 1
// EXPECT: s8_l2 = -4
// EXPECT: s8_r1 = 50
// EXPECT: u16_l4 = 9024
// EXPECT: u16_l8 = 13312
// EXPECT: u16_l15 = 32768
// EXPECT: u16_r4 = 291
// EXPECT: u16_r8 = 18
// EXPECT: u16_r15 = 1
// EXPECT: s16_l1 = -2468
// EXPECT: s16_r2 = 308
// EXPECT: wide = 256
// EXPECT: comp = 24
unsigned char u8_l1, u8_l7, u8_r3, u8_r7;
char s8_l2, s8_r1;
unsigned int u16_l4, u16_l8, u16_l15, u16_r4, u16_r8, u16_r15;
int s16_l1, s16_r2, wide;
unsigned char comp;

void main()
{
    unsigned char b;
    char c;
    unsigned int w;
    int x;
    b = 0x81;
    u8_l1 = b << 1;             // the top bit falls out
    u8_l7 = b << 7;
    u8_r3 = b >> 3;
    u8_r7 = b >> 7;
    c = -1;
    s8_l2 = c << 2;
    c = 100;
    s8_r1 = c >> 1;
    w = 0x1234;
    u16_l4 = w << 4;            // bits cross from the low into the high byte
    u16_l8 = w << 8;
    u16_r4 = w >> 4;            // and back from the high into the low byte
    u16_r8 = w >> 8;
    w = 3;
    u16_l15 = w << 15;
    w = 0x8000;
    u16_r15 = w >> 15;
    x = -1234;
    s16_l1 = x << 1;
    x = 1234;
    s16_r2 = x >> 2;
    b = 1;
    wide = (int)b << 8;
    comp = 3;
    comp <<= 4;
    comp >>= 1;
}
