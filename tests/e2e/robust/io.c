// Command-line and I/O faults: each ends with exactly one diagnostic line and
// status 1, never a silent status 0 and never a second message.
//
// A directory as the input, named or on standard input.
// RUN: %expect 1 %tarvelcc %S 2>&1 >/dev/null | FileCheck %s --check-prefix=DIR --match-full-lines
// RUN: %expect 1 %tarvelcc - < %S 2>&1 >/dev/null | FileCheck %s --check-prefix=DIRIN --match-full-lines
// DIR:input file {{.*}}robust not fined{{ }}
// DIR-NOT:{{.}}
// DIRIN:input file - not fined{{ }}
// DIRIN-NOT:{{.}}
//
// A file name with spaces compiles, and diagnostics name it whole.
// RUN: mkdir -p "%t dir" && cp %s "%t dir/a b.c" && %tarvelcc "%t dir/a b.c" | FileCheck %s --check-prefix=SPACE
// SPACE: CALL    _main
// RUN: printf 'void main() { x = 1; }\n' > "%t dir/bad one.c"
// RUN: %expect 1 %tarvelcc "%t dir/bad one.c" 2>&1 >/dev/null | FileCheck %s --check-prefix=SPACEERR --match-full-lines
// SPACEERR:{{.*}}dir/bad one.c:1: var or const "x" is not declared
// SPACEERR-NOT:{{.}}
//
// A missing file with a 4,000-character name: the message shows the first 512
// characters of the name, so the line is 11 + 512 + 11 characters long.
// RUN: %expect 1 %tarvelcc %t/$(printf 'n%.0s' $(seq 4000)).c 2>&1 | awk '{ print length($0) ":" substr($0, 1, 11) }' | FileCheck %s --check-prefix=LONG --match-full-lines
// LONG:534:input file{{ }}
// LONG-NOT:{{.}}
//
// An unreadable file (as root every file is readable, so only for others).
// RUN: cp %s %t.locked.c && chmod 000 %t.locked.c
// RUN: if [ "$(id -u)" -ne 0 ]; then %expect 1 %tarvelcc %t.locked.c 2>&1 | FileCheck %s --check-prefix=LOCKED; fi
// LOCKED: input file {{.*}}locked.c not fined
// LOCKED-NOT:{{.}}
//
// Standard output closed or full: the translation cannot be written.  The
// same for the usage text.
// RUN: %expect 1 %tarvelcc %s 2>&1 >&- | FileCheck %s --check-prefix=NOOUT --match-full-lines
// RUN: %expect 1 %tarvelcc %s 2>&1 >/dev/full | FileCheck %s --check-prefix=NOOUT --match-full-lines
// NOOUT:{{.*}}io.c:{{[0-9]+}}: cannot write the output
// NOOUT-NOT:{{.}}
// RUN: %expect 1 %tarvelcc 2>&1 >/dev/full | FileCheck %s --check-prefix=NOUSAGE --match-full-lines
// RUN: %expect 1 %tarvelcc 2>&1 >&- | FileCheck %s --check-prefix=NOUSAGE --match-full-lines
// NOUSAGE:{{.*}}tarvelcc: cannot write the output
// NOUSAGE-NOT:{{.}}
//
// A source error with the output closed still gives only its own message.
// RUN: %expect 1 %tarvelcc "%t dir/bad one.c" 2>&1 >&- | FileCheck %s --check-prefix=SPACEERR --match-full-lines
int g;
void main() { g = 1; }
//
// An endless input (a device that never ends) stops at 512 MB with one
// diagnostic instead of exhausting memory.
// RUN: %expect 1 %tarvelcc /dev/zero 2>&1 >/dev/null | FileCheck %s --check-prefix=ENDLESS --match-full-lines
// ENDLESS:/dev/zero:0: input is larger than 512 MB
// ENDLESS-NOT:{{.}}
//
// A file name holding a line break still gives a one-line diagnostic.
// RUN: %expect 1 %tarvelcc "$(printf 'no\nsuch.c')" 2>&1 >/dev/null | FileCheck %s --check-prefix=BREAK --match-full-lines
// BREAK:input file no?such.c not fined {{$}}
// BREAK-NOT:{{.}}
