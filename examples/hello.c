/* hello.c: counts to ten and leaves the sum in a global.
 *
 * The smallest complete firmware: a global the debugger can read, a loop
 * and a function call.
 */
int total;

int add(int a, int b) {
  return a + b;
}

void main() {
  unsigned int i;
  total = (int)0;
  for (i = 1; i <= 10; i++)
    total = add(total, i);
}

/* What main leaves behind, checked by running this program in tarvelsim: */
// EXPECT: total = 55
