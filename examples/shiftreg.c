/* shiftreg.c: drives two cascaded serial-in, parallel-out shift registers.
 *
 * The registers hang on output port 04: bit 0 is the serial data line, bit 1
 * the shift clock and bit 2 the latch.  Every bit is put on the data line
 * most significant first and clocked in with a rising edge; after both bytes
 * a latch pulse shows them on the outputs.  The port is written from a
 * shadow variable by a few lines of assembler.
 */
const char DATA = 1;
const char CLOCK = 2;
const char LATCH = 4;

unsigned char port;
unsigned char pattern[2];
unsigned char sent;

void port_write()
{
    asm {
        FETCH   s0,_port
        OUTPUT  s0,04
    }
}

void pulse(unsigned char line)
{
    port = port | line;
    port_write();
    port = port & ~line;
    port_write();
}

void shift_out(unsigned char value)
{
    unsigned char bit;
    for (bit = 0; bit < 8; bit++) {
        if (value & 0x80)
            port |= DATA;
        else
            port &= ~DATA;
        port_write();
        pulse(CLOCK);
        value = value << 1;
        sent++;
    }
}

void main()
{
    unsigned char i;

    pattern[0] = 0xA5;
    pattern[1] = 0x3C;
    port = 0;
    sent = 0;
    /* the byte for the far register goes out first */
    for (i = 2; i != 0; --i)
        shift_out(pattern[i - 1]);
    pulse(LATCH);
}

/* What main leaves behind, checked by running this program in tarvelsim: */
// EXPECT: sent = 16
