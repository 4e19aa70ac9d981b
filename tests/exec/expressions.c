// Expression forms around assignment and calls: chained assignments of
// different widths, assignment as a value, the comma operator, calls as
// operands and as arguments, named and character constants, short.
// EXPECT: ca = 5
// EXPECT: cb = 5
// EXPECT: cc = 5
// EXPECT: in_cond = 42
// EXPECT: comma = 9
// EXPECT: nested = 23
// EXPECT: around = 107
// EXPECT: letters = 3
// EXPECT: named = 250
// EXPECT: sh = -2
// EXPECT: narrowed = 44
// EXPECT: pre_post = 22
char ca;
int cb;
unsigned char cc;
char in_cond;
int comma, nested, around;
char letters;
int named;
short sh;
unsigned char narrowed;
int pre_post;

const int LIMIT = 25;
const char STEP = 10;

int twice(int v)
{
    return v * 2;
}

int sum3(int a, char b, int c)
{
    return a + b + c;
}

char get42()
{
    return 42;
}

unsigned char low(unsigned char v)
{
    return v;
}

void main()
{
    char c;
    int x;
    int y;
    ca = cb = cc = 5;
    in_cond = 0;
    if ((c = get42()))
        in_cond = c;
    comma = (x = 4, x + 5);
    nested = sum3(twice(3), get42() - 40, twice(twice(2)) + 7);
    x = 7;
    around = 100 + twice(x) / 2;
    letters = 'd' - 'a';
    named = LIMIT * STEP;
    sh = -2;
    narrowed = low(300);        // an int argument cut to the unsigned char parameter
    x = 10;
    y = x++;                    // the old value, 10
    y = y + ++x;                // the new value, 12
    pre_post = y + x - 12;
}
