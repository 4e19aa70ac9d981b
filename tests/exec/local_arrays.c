// Arrays and variables on the data stack: local arrays indexed by char and
// int variables, addresses of locals passed to functions, arrays passed as
// pointers, increments through pointers and indexes.
// EXPECT: sum_local = 60
// EXPECT: by_int = 300
// EXPECT: swapped_a = 2
// EXPECT: swapped_b = 1
// EXPECT: filled = 15
// EXPECT: incs = 23
// EXPECT: gp_val = 12
// EXPECT: not_null = 0
int sum_local, by_int;
char swapped_a, swapped_b;
int filled;
char incs, gp_val, not_null;
char *gp;

void swap(char *x, char *y)
{
    char t;
    t = *x;
    *x = *y;
    *y = t;
}

void fill(char *p, char n)
{
    char i;
    for (i = 0; i < n; i++)
        p[i] = i + 1;
}

int total(char *p, char n)
{
    int s;
    s = 0;
    while (n) {
        n--;
        s = s + p[n];
    }
    return s;
}

void main()
{
    char la[3];
    int wa[2];
    char a;
    char b;
    int i;
    la[0] = 10;
    la[1] = 20;
    la[2] = 30;
    sum_local = la[0] + la[1] + la[2];
    i = 1;
    wa[0] = 100;
    wa[i] = 200;
    by_int = wa[i - 1] + wa[i];
    a = 1;
    b = 2;
    swap(&a, &b);
    swapped_a = a;
    swapped_b = b;
    {
        char five[5];
        fill(five, 5);
        filled = total(five, 5);
        gp = five;
        ++five[2];              // 3 + 1
        *gp += 7;               // 1 + 7
        incs = *gp + gp[2] + five[4] + 6;
        gp_val = ++*gp;
        gp_val = gp_val + gp[1] + five[0] - 8;
    }
    not_null = !gp;
}
