// Pointers and arrays: indexing, pointer arithmetic scaled by the element
// size, stores through pointers and indexes, the value of such stores,
// pointer difference and comparison, the address of a variable.
// EXPECT: buf[0] = 0
// EXPECT: buf[1] = 3
// EXPECT: buf[2] = 7
// EXPECT: buf[3] = 9
// EXPECT: ibuf[0] = 1234
// EXPECT: ibuf[1] = 500
// EXPECT: ibuf[2] = -300
// EXPECT: c1 = 6
// EXPECT: c2 = 9
// EXPECT: i1 = -2
// EXPECT: i2 = -300
// EXPECT: diff = 2
// EXPECT: chain = 7
// EXPECT: chain2 = 1234
// EXPECT: same = 1
// EXPECT: total = 1734
// EXPECT: target = 99
// EXPECT: post_old = 0
// EXPECT: post_new = 1
char buf[4];
int ibuf[3];
char c1, c2;
int i1, i2;
unsigned char diff;
char chain;
int chain2;
unsigned char same;
int total, target;
char post_old, post_new;

void main()
{
    char i;
    char *p;
    int *ip;
    int *q;
    for (i = 0; i < 4; i++)
        buf[i] = i * 3;
    p = buf;
    p = p + 2;
    c1 = *p;
    *p = 42;
    p++;
    c2 = *p;
    ibuf[0] = 1000;
    ibuf[1] = -2;
    ibuf[2] = -300;
    ip = ibuf;
    ip = ip + 1;                // steps by one int: two bytes
    i1 = *ip;
    *ip = 500;
    i2 = ip[1];
    ip++;
    diff = ip - ibuf;           // in elements
    p = buf;
    p++;
    p++;
    chain = *p = 7;             // the value of a store through a pointer
    chain2 = ibuf[0] = 1234;    // the value of a store to an element
    same = p == buf + 2;
    total = 0;
    for (i = 0; i < 2; i++)
        total = total + ibuf[i];
    q = &target;
    *q = 99;
    ip = ibuf;
    q = ip++;                   // the old value, recomputed by stepping back
    post_old = q - ibuf;
    post_new = ip - ibuf;
}
