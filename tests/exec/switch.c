// switch on one- and two-byte values: matching cases, fall-through, default,
// break inside a loop body, and negative and large case values.
// EXPECT: hits = 1246, fall = 7, dflt = 3, wide = 5, neg = 2, uns = 3
int hits;
char fall, dflt, wide, neg, uns;

char classify(char c)
{
    switch (c) {
    case 'a': return 1;
    case 'b':
    case 'c': return 2;
    default: return 3;
    }
}

void main()
{
    char i;
    int w;
    unsigned int uw;
    hits = 0;
    for (i = 0; i < 5; i++) {
        switch (i) {
        case 1: hits = hits + 1; break;
        case 2: hits = hits + 20; break;
        case 4: hits = hits + 1200; break;
        case 3: hits = hits + 25; break;
        }
    }
    fall = 0;
    switch (2) {
    case 1: fall = fall + 8;
    case 2: fall = fall + 1;
    case 3: fall = fall + 2;
    default: fall = fall + 4;
    }
    dflt = classify('a') + classify('c') - classify('z') + 3;
    w = 300;
    switch (w) {
    case 44: wide = 1; break;   // the low byte of 300: must not match
    case 300: wide = 5; break;
    }
    i = -1;
    switch (i) {
    case 1: neg = 1; break;
    case -1: neg = 2; break;
    }
    uw = 65535;
    switch (uw) {
    case 255: uns = 1; break;
    case -1: uns = 3; break;    // converted to the unsigned type: 65535
    default: uns = 2;
    }
}
