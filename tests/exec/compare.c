// Comparisons at the edges of the unsigned ranges and between signed values
// of the same sign, equality that differs in one byte only, and the values
// of the logical operators.
// EXPECT: lt_u8 = 1, le_u8 = 1, gt_u8 = 1, ge_u8 = 0, lt_s8 = 1, gt_s8 = 1
// EXPECT: lt_u16 = 1, lt_u16b = 0, ge_u16 = 1, le_u16 = 0, lt_s16 = 1
// EXPECT: gt_s16 = 0, eq_hi = 0, eq_lo = 0, eq_same = 1, ne_hi = 1
// EXPECT: ne_same = 0, land = 1, land0 = 0, lor = 1, lor0 = 0, lor16 = 1
// EXPECT: in_if = 3, mid_u8 = 1, mid_u16 = 1
unsigned char lt_u8, le_u8, gt_u8, ge_u8, lt_s8, gt_s8, lt_u16, lt_u16b;
unsigned char ge_u16, le_u16, lt_s16, gt_s16, eq_hi, eq_lo, eq_same, ne_hi;
unsigned char ne_same, land, land0, lor, lor0, lor16, in_if, mid_u8, mid_u16;

void main()
{
    unsigned char a, b;
    char c;
    unsigned int u, v;
    int x;
    a = 0; b = 255;
    lt_u8 = a < b; le_u8 = b <= b; gt_u8 = b > a; ge_u8 = a >= b;
    c = -2; lt_s8 = c < -1;             // both negative: the unsigned order agrees
    c = 127; gt_s8 = c > 1;
    u = 0x00FF; v = 0x0100;
    lt_u16 = u < v;                     // decided by the high byte
    lt_u16b = v < u;
    u = 65535; v = 0; ge_u16 = u >= v; le_u16 = u <= v;
    x = -300; lt_s16 = x < -299; gt_s16 = x > -299;
    u = 0x0100;
    eq_hi = u == 0;                     // equal low bytes, different high bytes
    eq_lo = u == 0x0101; eq_same = u == 256; ne_hi = u != 0; ne_same = u != 0x0100;
    a = 5; b = 7; land = a && b;
    b = 0; land0 = a && b; lor = b || a;
    a = 0; lor0 = a || b;
    u = 0x0100; v = 0;
    lor16 = v || u;                     // the non-zero byte is the high one
    in_if = 0;
    if (a < 1)
        in_if = in_if + 1;
    if (u >= 0x0100)
        in_if = in_if + 2;
    if (u > 0x0100)
        in_if = in_if + 4;
    a = 127; b = 128;
    mid_u8 = a < b;                     // unsigned values across the signed boundary
    u = 32767; v = 32768; mid_u16 = v > u;
}
