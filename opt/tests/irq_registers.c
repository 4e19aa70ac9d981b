// Interrupts every few instructions while main keeps nine values in
// registers and calls the function the handler calls: the entry saves only
// what the handler, that function and the multiply routine may change,
// into registers no other code is given.
// SIM-ARGS: --irq-every 7
// EXPECT: ok = 1, product = 740, last = 40, ticks = 20
unsigned char ticks, factor, ok;
unsigned int product;
int last;

int twice(int v)
{
    int t;
    t = v + v;
    return t;
}

/* Interrupts stay on until the twentieth. */
char my_irq()
{
    ticks++;
    product = ticks * factor;
    last = twice(ticks);
    return ticks < 20;
}

void main()
{
    unsigned char a, b, c, d, e, f, g, h, n;
    int y;
    a = 0; b = 0; c = 0; d = 0; e = 0; f = 0; g = 0; h = 0; y = 0;
    ticks = 0;
    factor = 37;
    IRQ_ON;
    for (n = 0; n < 30; n++) {
        a = a + 1; b = b + 2; c = c + 3; d = d + 4;
        e = e + 5; f = f + 6; g = g + 7; h = h + 8;
        y = twice(y) - y + 3;
    }
    while (ticks < 20)
        ;
    IRQ_OFF;
    ok = b == a + a && c == a + b && d == b + b && e == c + b &&
         f == c + c && g == d + c && h == d + d && n == 30 && y == 90;
}
