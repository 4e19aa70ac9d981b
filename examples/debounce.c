/* debounce.c: turns a bouncing push-button into clean press events.
 *
 * A state machine sampled once per tick: a level must stay the same for
 * STABLE ticks before a press or a release counts.  The raw samples come
 * from a 16-bit recording, oldest sample in bit 0: a bounce, a press held
 * for several ticks, a short glitch during the hold, and the release.
 */
const char IDLE = 0;
const char PRESSING = 1;
const char HELD = 2;
const char RELEASING = 3;
const char STABLE = 3;

unsigned char state;
unsigned char count;
unsigned char presses;
unsigned char held_ticks;

void debounce(unsigned char raw)
{
    switch (state) {
    case IDLE:
        if (raw) {
            state = PRESSING;
            count = 0;
        }
        break;
    case PRESSING:
        if (!raw) {
            state = IDLE;
            break;
        }
        if (++count >= STABLE) {
            state = HELD;
            presses++;
        }
        break;
    case HELD:
        held_ticks++;
        if (!raw) {
            state = RELEASING;
            count = 0;
        }
        break;
    case RELEASING:
        if (raw) {
            state = HELD;
            break;
        }
        if (++count >= STABLE)
            state = IDLE;
        break;
    default:
        state = IDLE;
    }
}

void main()
{
    unsigned int samples;
    unsigned char tick;

    samples = 0x0EFA;           /* 0101 1111 0111 0000, oldest first */
    state = IDLE;
    presses = 0;
    held_ticks = 0;
    for (tick = 0; tick < 16; tick++) {
        debounce(samples & 1);
        samples >>= 1;
    }
}

/* What main leaves behind, checked by running this program in tarvelsim: */
// EXPECT: presses = 1
// EXPECT: held_ticks = 5
