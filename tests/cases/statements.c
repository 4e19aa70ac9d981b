// Statements: label layout, stack adjustments of blocks, loops and switches,
// and constructs near a diagnostic that must still compile.
//--- statements.c
char c;
int i;
void ifs() {
  if (c) i = 1;
  if (i) c = 1; else c = 2;
}
void whiles() {
  while (1) c = 3;
  while (c) c = 4;
  while () ;
}
void dos() {
  do c = 5; while (1);
  do c = 6; while (c);
  do ; while ();
}
void fors() {
  for (;;) break;
  for (i = 0; i; i = 7) continue;
  for (c; i = 8) ;
  for (; 2;) ;
}
char ret() { if (c) return; return i; }
//--- loops.c
// break and continue release the locals declared since the construct they leave.
char c;
void main() {
  int a;
  while (c) {
    int i;
    char d;
    for (c; c = 1) {
      char e;
      if (c) break;
      continue;
    }
    switch (c) { case 1: { char s; if (c) break; continue; } }
    break;
  }
}
//--- switch.c
int i;
char c;
void main() {
  switch (i) { case 1: c = 1; break; case 300: c = 2; }
  switch (c) { case -1: break; default: c = 0; }
}
void wide() { switch (i) { case -1: c = 2; } }
//--- wide-frame.c
void main() {
  char buf[300];
  char x;
  while (x) { char more[256]; break; }
  x = buf[0];
}
//--- accepted.c
int f(int, char c);
int x;
int f(int a, char c) {
  { char a; a = c; }
  return a;
}
void main() {
  int g(int v);
  { int x; x = 1; }
  while (x) {
    switch (x) { case 1: continue; default: break; }
    break;
  }
  do { if (x) break; continue; } while (0);
  ;;
}
