// The shapes of the trees the parser builds, seen through the code written
// for them: precedence and associativity of every operator, casts, calls,
// indexes, and the statements with the stack adjustments of their blocks.
//--- expressions.c
int a, b, c; int *p; const int K = 7;
int f(int x, int y, int z);
void assign() { a = b = c; (a = b) = c; a += b = c; a -= b *= c /= a %= b; a <<= 1; a &= b ^= c |= a; }
void arith() { a - b + c; a * b + c / K % a; a << 2 >> 1 + 1; a, b = K; (((a))); }
void logic() { a || b && c; a && b || c; a | b ^ c & a | b; a < b == c >= a; a > b != c <= a; }
void unary() { - -a; --a + b++; a-- - ++b; &*p; !a + ~b; p[2]; (unsigned char)a; (int *)(char)(a + 1); }
void calls() { f(a, b, c); f(1, 2, 3) + a; }
//--- statements.c
int a, b;
void decl() { int i = 0, j; }
void loops() { while (1) { int i; break; char c; } for (a < 10; a++) ; for (a = 0; a <= 10; --a) ; for (;;) ; }
void dangling() { if (a) if (b) a = 1; else a = 2; }
void others() { do continue; while (1); switch (a) { case 'A': break; case 2 * 3: } }
int ret() { return a + 1; }
void inline_asm() { asm { ignored
 LOAD s0,01 ; x

// c

  ADD s0,01
 } }
// continue inside a switch releases down to the loop's level, break down to the switch's.
void release() { int x; while (x) { char c; switch (x) { case 1: { int i; continue; } default: break; } } }
