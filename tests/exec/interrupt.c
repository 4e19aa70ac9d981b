// The interrupt handler: main keeps computing while interrupts arrive every
// 37 instructions; the handler's own arithmetic must not disturb main's
// registers or flags, and returning non-zero keeps interrupts enabled.
// SIM-ARGS: --irq-every 500
// EXPECT: ticks = 12, consistent = 1, busy = 1, in_handler = 0
char ticks, consistent, busy, in_handler;
int work, check;

char my_irq()
{
    int scratch;
    in_handler = 1;
    scratch = work * 3 - check;     // uses the same registers as main
    ticks = ticks + 1;
    in_handler = 0;
    return 1;
}

void main()
{
    ticks = 0;
    work = 0;
    check = 0;
    IRQ_ON;
    while (ticks < 12) {
        work = work + 1;
        check = check + 3;
    }
    IRQ_OFF;
    consistent = check == work * 3;
    busy = work > 10;
}
