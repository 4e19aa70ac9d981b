/* board.h: the two boards this firmware runs on.
 *
 * Board A drives eight LEDs on port 02; board B, the smaller one, four
 * LEDs on port 04.  Build for board B with -DBOARD_B.
 */
#ifndef BOARD_H
#define BOARD_H

#ifdef BOARD_B
#define LED_PORT 0x04
#define LED_COUNT 4
#else
#define LED_PORT 0x02
#define LED_COUNT 8
#endif

/* The LED pattern's last position: one bit per LED. */
#define LED_LAST (1 << (LED_COUNT - 1))

#endif
