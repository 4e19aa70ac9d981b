/* irq.c: counts timer interrupts in the handler my_irq.
 *
 * Defining my_irq gives the program its interrupt entry and the vector at
 * 0x3FF.  The handler returns 1 so that interrupts stay enabled; main
 * enables them with IRQ_ON and turns them off for a moment while it reads
 * the two-byte tick count, so that no interrupt changes it half-way.
 */
unsigned int ticks;
unsigned int seen;

char my_irq() {
  ticks = ticks + 1;
  return 1;
}

void main() {
  ticks = 0;
  IRQ_ON;
  for (;;) {
    IRQ_OFF;
    seen = ticks;
    IRQ_ON;
  }
}
