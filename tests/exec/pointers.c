// Pointers and arrays: indexing, pointer arithmetic scaled by the element
// size, stores through pointers and indexes, the value of such stores,
// pointer difference and comparison, the address of a variable.
// EXPECT: buf[0] = 0, buf[1] = 3, buf[2] = 7, buf[3] = 9, ibuf[0] = 1234
// EXPECT: ibuf[1] = 500, ibuf[2] = -300, c1 = 6, c2 = 9, i1 = -2, i2 = -300
// EXPECT: diff = 2, chain = 7, chain2 = 1234, same = 1, total = 1734
// EXPECT: target = 99, post_old = 0, post_new = 1
char buf[4], c1, c2, chain, post_old, post_new;
int ibuf[3], i1, i2, chain2, total, target;
unsigned char diff, same;

void main()
{
    char i;
    char *p;
    int *ip;
    int *q;
    for (i = 0; i < 4; i++)
        buf[i] = i * 3;
    p = buf; p = p + 2; c1 = *p; *p = 42; p++; c2 = *p;
    ibuf[0] = 1000; ibuf[1] = -2; ibuf[2] = -300;
    ip = ibuf;
    ip = ip + 1;                // steps by one int: two bytes
    i1 = *ip; *ip = 500; i2 = ip[1];
    ip++;
    diff = ip - ibuf;           // in elements
    p = buf; p++; p++;
    chain = *p = 7;             // the value of a store through a pointer
    chain2 = ibuf[0] = 1234;    // the value of a store to an element
    same = p == buf + 2;
    total = 0;
    for (i = 0; i < 2; i++)
        total = total + ibuf[i];
    q = &target; *q = 99;
    ip = ibuf;
    q = ip++;                   // the old value, recomputed by stepping back
    post_old = q - ibuf; post_new = ip - ibuf;
}
