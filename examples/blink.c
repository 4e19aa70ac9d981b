/* blink.c: blinks an LED on output port 02.
 *
 * The LED state lives in a global, a busy-wait loop makes the delay, and a
 * short asm block writes the state to the port, which C cannot express.
 */
char led;

void delay(unsigned int count) {
  unsigned int i;
  for (i = 0; i < count; i++)
    ;
}

void show() {
  asm {
        FETCH   s2,_led
        OUTPUT  s2,02
  }
}

void main() {
  led = 0;
  for (;;) {
    led = led ^ 1;
    show();
    delay(5000);
  }
}
