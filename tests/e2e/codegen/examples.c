// Every bundled example compiles with status 0 into a complete program (the
// closing banner is written), and the firmware examples are among them.
// RUN: for f in %S/../../../examples/*.c; do %tarvelcc "$f" > %t.psm || exit 1; grep -q ';==  C compiler for ZEFO Tarvel platform  ==' %t.psm || exit 1; echo "compiled $(basename "$f")"; done | FileCheck %s
// CHECK-DAG: compiled blink.c
// CHECK-DAG: compiled hello.c
// CHECK-DAG: compiled irq.c
// CHECK-DAG: compiled uart.c
