// Known differences in statements, calls and initial values: each value is
// what the compiled code computes, with the C value in parentheses (see
// docs/known-differences.md).
// EXPECT: calls_and = 2    (C: 1)       && and || evaluate both operands
// EXPECT: calls_or = 2     (C: 1)
// EXPECT: folded = 0       (C: 1)       f() || 1 folds without calling f
// EXPECT: twice = 2        (C: 1)       compound target evaluated twice
// EXPECT: buf[0] = 0       (C: 1)       ... and the store goes to buf[1]
// EXPECT: buf[1] = 1       (C: 0)
// EXPECT: skipped = 7      (C: 3)       continue in for skips the step
// EXPECT: ret = 4609       (C: 1)       return does not convert
// EXPECT: mode = 0         (C: 2)       static initial values not stored
// EXPECT: unpassed = 0     (C: 5)       () declares no parameters
char calls_and, calls_or, folded, twice, buf[2], skipped, unpassed;
int ret;
char mode = 2;

char count_and()
{
    calls_and = calls_and + 1;
    return 0;
}

char count_or()
{
    calls_or = calls_or + 1;
    return 1;
}

char count_fold()
{
    folded = folded + 1;
    return 0;
}

int one()
{
    return 1;
}

void ignore();

void main()
{
    char i;
    char r;
    calls_and = 0;
    calls_or = 0;
    folded = 0;
    r = count_and() && count_and();
    r = count_or() || count_or();
    r = count_fold() || 1;
    buf[0] = 0;
    buf[1] = 0;
    twice = 0;
    buf[twice++] += 1;
    skipped = 0;
    for (i = 0; i < 3; i++) {
        skipped++;
        if (skipped < 5)
            continue;
    }
    ret = 0x1200;               // leaves 0x12 in the result's high byte
    ret = one();
    unpassed = 0;
    ignore(unpassed = 5);
}

void ignore()
{
}
