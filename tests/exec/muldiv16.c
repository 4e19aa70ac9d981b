// Two-byte multiply, divide and remainder: unsigned, signed and mixed, with
// the sign rules of / and % and the largest values the routines handle.
// EXPECT: u_prod = 60000, u_wrap = 1, s_prod = -30000, s_sq = 32761
// EXPECT: m_prod1 = -3000, m_prod2 = -3000, u_quot = 8571, u_rem = 3
// EXPECT: u_q2 = 1, u_r2 = 32766, q1 = -4285, r1 = -5, q2 = -4285, r2 = 5
// EXPECT: q3 = 100, r3 = -12, comp = 23
unsigned int u_prod, u_wrap, u_quot, u_rem, u_q2, u_r2;
int s_prod, s_sq, m_prod1, m_prod2, q1, r1, q2, r2, q3, r3, comp;

void main()
{
    unsigned int a;
    int x, y;
    a = 300; u_prod = a * 200;          // mult16x16
    a = 65535; u_wrap = a * a;          // modulo 65536, as C's unsigned arithmetic
    x = -300; s_prod = x * 100;
    x = -181; s_sq = x * x;             // mult15x15, both negative
    x = -3; a = 1000; m_prod1 = x * a; m_prod2 = a * x;
    a = 60000; u_quot = a / 7; u_rem = a % 7;
    a = 0xFFFF; u_q2 = a / 0x8001; u_r2 = a % 0x8001;
    x = -30000; y = 7; q1 = x / y; r1 = x % y;
    x = 30000; y = -7; q2 = x / y; r2 = x % y;
    x = -30012; y = -300; q3 = x / y; r3 = x % y;
    comp = 1000; comp *= -7; comp /= 300; comp %= 100; comp = -comp;
}
