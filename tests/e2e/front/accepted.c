// Constructs near the diagnostics that must still compile: a prototype
// inside a block, a prototype before its definition, shadowing in an inner
// block, a parameter name reused in a nested block, continue inside a switch
// inside a loop, unnamed parameters, break and continue in a do-while(0).
// RUN: %tarvelcc %s | FileCheck %s
// CHECK: ; ---    2  A104  f(2404,2402)
// CHECK: _f:
// CHECK: _main:
// CHECK: RETURN
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
