// Recursion: a two-byte result built on the way back, a doubly recursive
// function and mutual recursion through a prototype.
// EXPECT: fact7 = 5040, fib8 = 21, even12 = 1, even7 = 0
int fact7, fib8;
char even12, even7;

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

char is_even(char n)
{
    if (n == 0)
        return 1;
    return is_odd(n - 1);
}

char is_odd(char n)
{
    if (n == 0)
        return 0;
    return is_even(n - 1);
}

void main()
{
    fact7 = fact(7);
    fib8 = fib(8);
    even12 = is_even(12);
    even7 = is_even(7);
}
