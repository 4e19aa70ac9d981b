// Interrupts arrive while main keeps values in registers: the interrupt
// entry must save whatever the handler and the function it calls change.
// main's two counters keep b == 3 * a only if nothing disturbs them.
// SIM-ARGS: --irq-every 23
// EXPECT: ticks = 20
// EXPECT: last = 40
// EXPECT: ok = 1
unsigned char ticks;
int last;
char ok;

int twice(int v)
{
    int t;
    t = v + v;
    return t;
}

char my_irq()
{
    char k;
    k = ticks + 1;
    ticks = k;
    last = twice(k);
    if (k == 20)
        return 0;    /* the twentieth interrupt is the last */
    return 1;
}

void main()
{
    unsigned int a;
    unsigned int b;
    ticks = 0;
    a = 0;
    b = 0;
    IRQ_ON;
    while (ticks < 20) {
        a = a + 1;
        b = twice(b) - b + 3;
    }
    IRQ_OFF;
    ok = b == a + a + a;
}
