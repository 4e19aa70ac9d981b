// A handler that returns 0 leaves interrupts disabled: it runs once only,
// however long main keeps going. main waits in an empty loop, which the
// simulator keeps interrupting while interrupts are enabled.
// SIM-ARGS: --irq-every 20
// EXPECT: ticks = 1, spins = 200
char ticks;
unsigned char spins;

char my_irq()
{
    ticks = ticks + 1;
    return 0;
}

void main()
{
    ticks = 0;
    IRQ_ON;
    while (ticks == 0) {
    }
    for (spins = 0; spins < 200; spins++) {
    }
}
