/* chaser.c: a running light for two board variants.
 *
 * The port and the number of LEDs come from board.h, chosen with #ifdef:
 *
 *   tarvel chaser.c              board A: eight LEDs on port 02
 *   tarvel -DBOARD_B chaser.c    board B: four LEDs on port 04
 *
 * Macros are not expanded inside asm blocks (their text is not C), so C
 * hands the port number to the block through a global.
 */
#include "board.h"

unsigned char port;   /* where show() writes the pattern */
unsigned char leds;   /* one bit per LED */
unsigned char steps;  /* patterns shown */

void show() {
  asm {
        FETCH   s3,_port
        FETCH   s2,_leds
        OUTPUT  s2,(s3)   ; the port comes from C, so it isn't fixed here
  }
}

void main() {
  port = LED_PORT;
  leds = 1;
  for (steps = 0; steps < 2 * LED_COUNT + 1; steps++) {
    show();
    if (leds == LED_LAST)
      leds = 1;
    else
      leds = leds << 1;
  }
}
