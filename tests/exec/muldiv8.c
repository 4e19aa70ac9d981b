// One-byte multiply, divide and remainder through the run-time routines:
// unsigned, signed and mixed operands; the sign rules of / and %.
// EXPECT: u_prod = 40000
// EXPECT: u_small = 255
// EXPECT: s_prod = -15
// EXPECT: s_big = 16129
// EXPECT: s_negneg = 6
// EXPECT: m_prod1 = -600
// EXPECT: m_prod2 = -600
// EXPECT: u_quot = 28
// EXPECT: u_rem = 4
// EXPECT: q1 = -3
// EXPECT: r1 = -1
// EXPECT: q2 = -3
// EXPECT: r2 = 1
// EXPECT: q3 = 14
// EXPECT: r3 = -2
// EXPECT: q4 = 127
// EXPECT: comp = 2
// EXPECT: ucomp = 31
unsigned int u_prod;
unsigned char u_small;
int s_prod, s_big, s_negneg, m_prod1, m_prod2;
unsigned char u_quot, u_rem;
char q1, r1, q2, r2, q3, r3, q4, comp;
unsigned char ucomp;

void main()
{
    unsigned char a;
    unsigned char b;
    char c;
    char d;
    a = 200;
    b = 200;
    u_prod = a * b;             // mult8x8: the full 16-bit product
    a = 15;
    b = 17;
    u_small = a * b;
    c = -3;
    d = 5;
    s_prod = c * d;             // mult7x7
    c = -127;
    d = -127;
    s_big = c * d;
    c = -2;
    s_negneg = c * (char)-3;
    c = -3;
    a = 200;
    m_prod1 = c * a;            // signed factor in s2: mult8x7
    m_prod2 = a * c;            // signed factor in s0: mult7x8
    a = 200;
    b = 7;
    u_quot = a / b;
    u_rem = a % b;
    c = -7;
    d = 2;
    q1 = c / d;                 // truncation toward zero
    r1 = c % d;                 // remainder takes the dividend's sign
    c = 7;
    d = -2;
    q2 = c / d;
    r2 = c % d;
    c = -100;
    d = -7;
    q3 = c / d;
    r3 = c % d;
    c = -127;
    d = -1;
    q4 = c / d;
    comp = 7;
    comp *= 3;
    comp /= 4;
    comp %= 3;
    ucomp = 250;
    ucomp /= 8;
}
