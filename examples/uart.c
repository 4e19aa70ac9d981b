/* uart.c: echoes bytes from a UART and counts them.
 *
 * Port 00 is the status port (bit 0 set: a byte has arrived), port 01 the
 * data port.  The asm blocks move bytes between the ports and the globals
 * rx and ready; the loop in C decides what to send back.
 */
char ready;
char rx;
unsigned int received;

void poll() {
  asm {
        INPUT   s2,00
        AND     s2,01
        STORE   s2,_ready
  }
}

char receive() {
  asm {
        INPUT   s2,01
        STORE   s2,_rx
  }
  received = received + 1;
  return rx;
}

void send(char byte) {
  rx = byte;
  asm {
        FETCH   s2,_rx
        OUTPUT  s2,01
  }
}

void main() {
  char c;
  received = 0;
  while (1) {
    poll();
    if (!ready)
      continue;
    c = receive();
    if (c == 13)
      send(10);
    send(c);
  }
}
