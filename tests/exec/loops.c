// while, do-while and for loops with break and continue, nested loops,
// loops whose locals are released on break, and an empty for (;;) left by
// break.
// EXPECT: sum_while = 55, sum_do = 1, odd_sum = 25, first_big = 7, pairs = 21
// EXPECT: forever = 5, stack_ok = 1
// EXPECT: sp_start = 48     (main's frame: below the globals, its saved sE and its locals)
int sum_while, sum_do, odd_sum, pairs;
char first_big, forever, stack_ok;
unsigned char sp_start, sp_end;

void main()
{
    char i, j;
    asm {
        STORE   sF,_sp_start
    }
    sum_while = 0; i = 1;
    while (i <= 10) {
        sum_while = sum_while + i;
        i++;
    }
    sum_do = 0; i = 20;
    do {
        sum_do = sum_do + 1;    // runs once although the condition is false
    } while (i < 10);
    odd_sum = 0; i = 0;
    while (i < 10) {
        i++;
        if ((i & 1) == 0)
            continue;
        odd_sum = odd_sum + i;
    }
    for (i = 0; i < 20; i++) {
        int square;
        square = i * i;
        if (square > 40)
            break;              // must release square's bytes on the way out
    }
    first_big = i;
    pairs = 0;
    for (i = 0; i < 6; i++)
        for (j = 0; j <= i; j++)
            pairs = pairs + 1;
    forever = 0;
    for (;;) {
        forever++;
        if (forever == 5)
            break;
    }
    // The data stack pointer must be back where it was before the loops.
    asm {
        STORE   sF,_sp_end
    }
    stack_ok = sp_start == sp_end;
}
