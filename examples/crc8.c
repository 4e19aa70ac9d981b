/* crc8.c: checks a received frame with a CRC-8 and a 16-bit sum.
 *
 * A six-byte frame is walked with a pointer; each byte goes through a
 * bitwise CRC-8 (polynomial 0x07, no reflection, start value 0) and into an
 * additive checksum.  The frame is valid when its last byte equals the CRC of
 * the bytes before it.
 */
unsigned char frame[6];
unsigned char crc;
unsigned int sum;
unsigned char valid;

unsigned char crc8_update(unsigned char c, unsigned char data)
{
    unsigned char bit;
    c = c ^ data;
    for (bit = 0; bit < 8; bit++) {
        if (c & 0x80)
            c = (c << 1) ^ 0x07;
        else
            c <<= 1;
    }
    return c;
}

void main()
{
    unsigned char i;
    unsigned char *p;

    frame[0] = 'T';
    frame[1] = 'a';
    frame[2] = 'r';
    frame[3] = 'v';
    frame[4] = 'e';
    frame[5] = 0x67;            /* CRC-8 of the five bytes before it */

    crc = 0;
    sum = 0;
    p = frame;
    for (i = 0; i < 5; i++) {
        crc = crc8_update(crc, *p);
        sum += *p;
        ++p;
    }
    valid = crc == *p;
}

/* What main leaves behind, checked by running this program in tarvelsim: */
// EXPECT: valid = 1
// EXPECT: crc = 103
// EXPECT: sum = 514
