// Operators at one and two bytes, signed and unsigned, in both operand
// layouts (a simple right operand in s0/s1, or a right operand that needs
// the stack), with the translations kept in tests/golden/cases/operators.txt.
//--- additive.c
char c; char d; unsigned char u; int i; int j; unsigned int w;
void simple8() { c + 5; c - d; u - 7; }
void simple16() { i + 5; i - j; w - 300; }
void stacked() { c - (d + u); i - (j + i); }
void mixed() { c + i; c - (i + j); i - c; }
void local(char x) { char y; x + y; }
void bits() { c & 15; i ^ j; w | (i + 1); c & (u | d); }
//--- comparisons.c
char c; char d; int i; int j; unsigned int w; char f(); char g();
void order8() { c < d; c <= d; c > d; c >= d; c >> 1; }
void order16() { i < j; i <= 5; i > w; i >= j; }
void stacked() { c < (d + 1); c <= (d + 1); c > (d + 1); i >= (j + 1); }
void equal() { c == d; i == j; c != d; i != (j + 1); }
void logical() { c || d; i || j; c && d; i && (j + 1); f() && g(); }
void typed() { (c == d) + i; (c || d) + i; }
int one() { return 1; }
//--- width.c
// With a pointer on either side the sequence handles one byte.
int i; char c; char *p;
void pointer() { i == p; i < p; i == (p + 1); p == i; }
void unequal() { c < i; c == i; c || (i + 1); }
//--- compound.c
unsigned char c; unsigned char d;
void main() { c *= d; c /= d; c %= d; c += d; c -= d; c <<= 1; c >>= 1; c &= d; c ^= d; c |= d; }
//--- muldiv.c
unsigned char u; unsigned char v; char c; char d;
unsigned int w; unsigned int x; int i; int j;
void mul8() { (u * v) + 1; c * d; c * u; u * c; u * (c + 1); }
void mul16() { w * x; i * j; i * w; w * i; }
void udiv() { u / v; u % v; w / x; w % (x + 1); }
void sdiv8() { (c / d) + i; c % d; u % c; }
void sdiv16() { i / j; i % j; i / (w + 1); }
void again() { u * v; w % x; i / j; c % d; u / v; }
//--- runtime-none.c
// Only the run-time routines a unit calls are written, each once.
int i; int j;
void main() { i = 6 * 7 % 5 / 2; j = i + 1; }
//--- runtime-u8.c
unsigned char u; unsigned char v;
void main() { u * v; u * v; }
//--- runtime-s8.c
char c; char d;
void main() { c * d; }
//--- runtime-mixed16.c
int i; unsigned int w;
void main() { w * i; }
//--- shifts.c
char c; unsigned char u; int i; unsigned int w;
void left() { c << 3; c << 9; c << 8; i << 17; c << 300; }
void right() { c >> 1; u >> -1; i >> 1; w >> 2; }
void assigned() { c <<= 2; w >>= 1; }
//--- unary.c
char c; unsigned char u; int i; int *p; char *q;
void steps() { ++c; --i; c++; i--; }
void pointers() { p++; --p; q++; }
void negations() { !c; !i; !p; ~u; ~i; -u + i; -i; }
//--- pointers.c
int *p; int *r; char *q; char *s; int i; char c; int a[4];
void add() { p + 1; 1 + p; q + 1; q + c; p + (c + 1); (c + 1) + p; c + (p + 1); }
void sub() { p - 1; q - c; p - (c + 1); p - r; q - s; p - (r + 1); }
void index(char k) { char b[3]; a[k]; b[k]; a[2]; *a; p = a; p = r + 1; }
//--- address-of.c
int g; char c; int *ip; char *cp;
void take(char *q) {}
void takei(int *v);
void f(char a) { char l; cp = &c; cp = &l; cp = &a; take(&l); ip = &g + 1; *ip = 7; takei(&g); }
void takei(int *v) {}
//--- assign.c
char c; char d; int i; char *q; int *p; char s[4]; int a[3];
void direct(char x) { char y; c = 5; i = c; y = i; x = d; c = d = 3; }
void array() { char b[2]; *s = c; *a = c; *b = 1; }
void simple() { *q = c; *p = c; *(char *)5 = c; }
void standard() { s[c] = d; a[c] = i; }
//--- assigned-value.c
// The value of a store through a pointer or an index, read or dropped.
char c; char d; char a[4]; int w[2]; int i; char *q;
void take(char v);
char chained() { c = *q = d; c = a[c] = d; i = w[c] = i; return a[c] = d; }
void operand() { (a[c] = d) + 1; take(a[c] = d); if (a[c] = d) c = 0; }
void dropped() { for (a[c] = 0; c; a[c] = 1) ; (a[c] = 1, d); (d, a[c] = 1); *q = 2; }
void steps() { ++a[c]; c = ++a[c]; c = --w[c]; c = ++*q; ++*q; }
void take(char v) {}
//--- compound-copy.c
// A compound assignment reads its target through a copy of the target.
char a[4]; int w[2]; char c; char *q; int *p; int i;
void statics() { a[c] += 3; ++a[c]; --w[c]; *a += 2; ++*w; }
void locals() { char b[3]; b[c] += 3; ++b[c]; *b += 2; ++*b; }
void scalars() { i += c; *q += 1; ++*p; }
//--- operands.c
int g; char c; unsigned char u; char ga[2]; int *ip; char *cp;
void statics() { g; g + g; ga; }
void frame(char a, int b, char c) { char l; char m; char la[2]; int w; a; b; c; l; m + b; cp = la; w; }
void numbers() { g = 300; c = -1; g + 300; }
void casts() { (int)c; (int)u; (char)g; g + (int)u; }
void derefs() { *ip; *cp; g + *ip; c + *cp; }
//--- calls.c
char c; unsigned char u; int i;
void none();
void one(int a);
int three(char a, int b, int e);
char old();
void calls() { none(); one(c); three(i, c, u); old(5) + 1; three(1, 2, 3) + i; }
void none() {}
void one(int a) {}
int three(char a, int b, int e) { return a; }
//--- comments.c
// The comment of every + and - shows its whole left operand.
char a; char b; char c;
void main() { a - b + c - a; a + b * c; }
//--- chain.c
int a, b, c, d, e, f, g, h, i, j, k;
void main() { a += b += c += d += e += f += g += h += i += j += k; }
