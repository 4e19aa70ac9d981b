// Declarations: the memory map, initial values, statics in blocks, the
// interrupt handler in its forms, and asm blocks copied verbatim.
//--- map.c
int g;
char c = -5;
int arr[3];
char *p;
void v;
const int K = 2 * 3;
static unsigned char u = 200;
int abcdefghijklmnopqrstuvwxyz0123456789;
int f(char a, const int k, int b) { static int hidden; return k + b; }
int h();
void main() {
  { int inner; }
  unsigned u;
  u = 1;
  abcdefghijklmnopqrstuvwxyz01234_same = K;
}
unsigned after;
//--- block-static.c
int g;
void main(void) {
  { static char s[2]; s[0] = 1; }
}
void f() { static int s; }
char c;
//--- empty.c
//--- main-only.c
void main() {}
//--- irq.c
asm {
        LOAD    s0,01 ; copied with its comment
    OUTPUT  s0,10
}
char flag;
char my_irq() { flag = 1; return 1; }
void main() {
  IRQ_ON;
  asm {
        INPUT   s2,20   ; 100% verbatim
  }
  IRQ_OFF;
}
//--- irq-external.c
char my_irq();
asm {
_my_irq:
        RETURNI ENABLE
}
void main() { IRQ_ON; }
//--- irq-variable.c
char my_irq;
void main() { my_irq = 1; }
//--- irq-constant.c
const char my_irq = 1;
void main() { }
//--- irq-later.c
char my_irq();
void main() { }
char my_irq() { return 0; }
//--- asm-column0.c
// Lines starting in column 0: a fresh line must not see the previous one's first character.
char c;
asm {
_helper:
LOAD s0,01
}
void main() {
asm {
OUTPUT s0,10
}
c = 1;
}
