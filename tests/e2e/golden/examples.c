// Every bundled example compiles to exactly its recorded program.  After a
// deliberate change of the output, regenerate a file with
//   tarvelcc examples/NAME.c > tests/golden/NAME.s
// and review the diff line by line before committing it.
// RUN: %tarvelcc %S/../../../examples/hello.c | diff -u %S/../../golden/hello.s -
// RUN: %tarvelcc %S/../../../examples/crc8.c | diff -u %S/../../golden/crc8.s -
// RUN: %tarvelcc %S/../../../examples/ringbuf.c | diff -u %S/../../golden/ringbuf.s -
// RUN: %tarvelcc %S/../../../examples/pid.c | diff -u %S/../../golden/pid.s -
// RUN: %tarvelcc %S/../../../examples/shiftreg.c | diff -u %S/../../golden/shiftreg.s -
// RUN: %tarvelcc %S/../../../examples/debounce.c | diff -u %S/../../golden/debounce.s -
// RUN: %tarvelcc %S/../../../examples/blink.c | diff -u %S/../../golden/blink.s -
// RUN: %tarvelcc %S/../../../examples/uart.c | diff -u %S/../../golden/uart.s -
// RUN: %tarvelcc %S/../../../examples/irq.c | diff -u %S/../../golden/irq.s -
