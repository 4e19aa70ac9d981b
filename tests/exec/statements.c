// Statement combinations: switch inside a loop (break leaves the switch,
// continue the loop), do-while with continue, locals with initializers
// declared inside loop bodies, a counter that wraps, deep right-nested
// expressions that keep several values on the data stack.
// EXPECT: sw_loop = 1321
// EXPECT: do_cont = 12
// EXPECT: init_sum = 135
// EXPECT: wraps = 10
// EXPECT: deep = 20
// EXPECT: deep16 = 1000
// EXPECT: sp_same = 1
int sw_loop, do_cont, init_sum;
char wraps, deep;
int deep16;
char sp_same;
unsigned char sp0, sp1;

void main()
{
    char i;
    unsigned char u;
    char a;
    char b;
    char c;
    char d;
    int w;
    asm {
        STORE   sF,_sp0
    }
    sw_loop = 0;
    i = 0;
    while (i < 6) {
        i++;
        switch (i & 3) {
        case 0:
            sw_loop = sw_loop + 1;
            continue;           // continues the loop, not the switch
        case 1:
            sw_loop = sw_loop + 10;
            break;
        default:
            sw_loop = sw_loop + 100;
        }
        sw_loop = sw_loop + 1000 * (i == 5);
    }
    do_cont = 0;
    i = 0;
    do {
        i++;
        if (i == 3)
            continue;           // to the condition
        do_cont = do_cont + i;
    } while (i < 5);
    init_sum = 0;
    for (i = 0; i < 3; i++) {
        int base = 40;
        char extra = i * 5;
        init_sum = init_sum + base + extra;
    }
    wraps = 0;
    for (u = 250; u != 4; u++)
        wraps++;
    a = 10;
    b = 4;
    c = 7;
    d = 2;
    deep = a - (b - (c - (d - (a - 1))));
    w = 1000;
    deep16 = w - (w - (w - (w - (w - (w - 0)))));
    deep16 = deep16 + w - (w - w);
    asm {
        STORE   sF,_sp1
    }
    sp_same = sp0 == sp1;
}
