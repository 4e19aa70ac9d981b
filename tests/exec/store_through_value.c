// "*x = v" and "x[i] = v" with a char x (neither pointer nor array) are
// accepted as store targets and write to the address x holds: 07 lands at
// address 05 and 03 at address 0A (9 + 1).
// EXPECT-LINE: 00: 00 00 00 00 00 07 00 00 00 00 03 00 00 00 00 00
// EXPECT: x = 5
char x, y;
void main() { x = 5; *x = 7; y = 9; y[1] = 3; }
