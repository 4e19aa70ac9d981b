// The data stack shares the 64 bytes of data memory with the globals: a
// recursion that needs more than that runs the stack pointer below address
// 00, and the simulator stops with a fault (status 3) at the first access.
// EXPECT-STATUS: 3
// EXPECT: depth = 12
char depth;

void dive(int a, int b)
{
    depth = depth + 1;
    dive(a, b);
}

void main()
{
    depth = 0;
    dive(1, 2);
}
