// Functions: several parameters of mixed widths, widening of arguments,
// return values, locals and parameters kept across calls, nested blocks,
// static locals, and pointers passed as parameters.
// EXPECT: r_mix = -1999, r_order = 1234, r_widen = -5, r_nested = 110
// EXPECT: r_swap1 = 9, r_swap2 = 4, r_count = 3, r_block = 21
int r_mix, r_order, r_widen, r_nested, r_block;
char r_swap1, r_swap2, r_count;

int mix(char a, int b, unsigned char c)
{
    int local;
    local = b * 2;
    return local + a - c;
}

int order(int a, int b, int c, int d)
{
    return ((a * 10 + b) * 10 + c) * 10 + d;
}

int widen(int v)
{
    return v;
}

int add10(int v)
{
    return v + 10;
}

void swap(char *x, char *y)
{
    char t;
    t = *x;
    *x = *y;
    *y = t;
}

char counter()
{
    static char calls;
    calls = calls + 1;
    return calls;
}

void main()
{
    char c;
    r_mix = mix(1, -1000, 0);
    r_mix = r_mix + mix(0, 0, 0);
    r_order = order(1, 2, 3, 4);
    c = -5;
    r_widen = widen(c);         // a char argument sign-extended to int
    r_nested = add10(add10(add10(80)));
    r_swap1 = 4;
    r_swap2 = 9;
    swap(&r_swap1, &r_swap2);
    counter();
    counter();
    r_count = counter();
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
}
