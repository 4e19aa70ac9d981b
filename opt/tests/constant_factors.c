// Products and quotients with constant factors and divisors, which the
// optimizer computes with shifts and adds instead of the run-time routines:
// a stream of 16-bit values, the edges of the signed range among them,
// goes through each form and into a checksum per form.
// EXPECT: quotients = 64082, remainders = 55444, products = 60097, bytes = 38108
const int GAIN = 12;
unsigned int quotients, remainders, products, bytes;

unsigned int mix(unsigned int sum, unsigned int v)
{
    return (sum << 1) + (sum >> 15) + v;
}

void check(unsigned int u)
{
    int s;
    unsigned char b;
    char c;
    s = u;
    b = u;
    c = u;
    quotients = mix(quotients, u / 16);
    quotients = mix(quotients, u / 512);
    quotients = mix(quotients, u / 16384);
    quotients = mix(quotients, s / 4);
    quotients = mix(quotients, s / 256);
    remainders = mix(remainders, u % 8);
    remainders = mix(remainders, u % 1024);
    remainders = mix(remainders, s % 32);
    products = mix(products, u * 12);
    products = mix(products, 3 * u);
    products = mix(products, s * GAIN);
    products = mix(products, GAIN * s);
    products = mix(products, s * 1000);
    products = mix(products, u * 0);
    products = mix(products, s * 1);
    bytes = mix(bytes, b / 8);
    bytes = mix(bytes, b % 4);
    bytes = mix(bytes, c / 2);
    bytes = mix(bytes, b * 5);
    bytes = mix(bytes, 7 * b);
    bytes = mix(bytes, c % 16);
}

void main()
{
    unsigned int u;
    char n;
    quotients = remainders = products = bytes = 0;
    check(32768);
    check(32767);
    check(65535);
    check(0);
    u = 1;
    for (n = 0; n < 40; n++) {
        check(u);
        u = u * 5 + 4099;
    }
}
