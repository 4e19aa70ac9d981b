// Functions: several parameters of mixed widths, widening of arguments,
// return values, locals and parameters kept across calls, nested blocks,
// static locals, pointers passed as parameters, and recursion: a two-byte
// result built on the way back, a doubly recursive function and mutual
// recursion through a prototype.
// EXPECT: r_mix = -1999, r_order = 1234, r_widen = -5, r_nested = 110
// EXPECT: r_swap1 = 9, r_swap2 = 4, r_count = 3, r_block = 21
// EXPECT: fact7 = 5040, fib8 = 21, even12 = 1, even7 = 0
int r_mix, r_order, r_widen, r_nested, r_block, fact7, fib8;
char r_swap1, r_swap2, r_count, even12, even7;

int mix(char a, int b, unsigned char c)
{
    int local;
    local = b * 2;
    return local + a - c;
}

int order(int a, int b, int c, int d) { return ((a * 10 + b) * 10 + c) * 10 + d; }
int widen(int v) { return v; }
int add10(int v) { return v + 10; }

void swap(char *x, char *y)
{
    char t;
    t = *x; *x = *y; *y = t;
}

char counter()
{
    static char calls;
    calls = calls + 1;
    return calls;
}

int fact(int n)
{
    if (n == 0)
        return (int)1;
    return n * fact(n - 1);
}

int fib(char n)
{
    if (n < 2)
        return (int)n;
    return fib(n - 1) + fib(n - 2);
}

char is_odd(char n);
char is_even(char n) { if (n == 0) return 1; return is_odd(n - 1); }
char is_odd(char n) { if (n == 0) return 0; return is_even(n - 1); }

void main()
{
    char c;
    r_mix = mix(1, -1000, 0);
    r_mix = r_mix + mix(0, 0, 0);
    r_order = order(1, 2, 3, 4);
    c = -5;
    r_widen = widen(c);         // a char argument sign-extended to int
    r_nested = add10(add10(add10(80)));
    r_swap1 = 4; r_swap2 = 9;
    swap(&r_swap1, &r_swap2);
    counter(); counter(); r_count = counter();
    r_block = 1;
    {
        int inner;
        inner = 20;
        {
            char deeper;
            deeper = 0;
            r_block = r_block + inner + deeper;
        }
    }
    fact7 = fact(7); fib8 = fib(8); even12 = is_even(12); even7 = is_even(7);
}
