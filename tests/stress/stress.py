#!/usr/bin/env python3
"""One case of the stress suite: writes a large or malformed source, compiles
it and checks that the run ended as it must: the expected status, nothing on
stderr after a translation, exactly one whole diagnostic line after a failure
(containing DIAGNOSTIC when one is given), and at least MIN_OUTPUT bytes of
output. Nothing large is checked in; the sizes are the ones the compiler is
expected to take in a few seconds (the time limit is the test's TIMEOUT).

use: stress.py COMPILER CASE
"""
import os
import random
import subprocess
import sys
import tempfile


def stmts():  # 200,000 statements in one function
    return "int g;\nvoid main() {\n  int a;\n" + "".join("  a = g + %d;\n" % (i & 255) for i in range(200000)) + "}\n"


def funcs():  # 20,000 functions, each called once from main
    return ("".join("void f%d() {}\n" % i for i in range(20000)) + "void main() {\n" +
            "".join("  f%d();\n" % i for i in range(20000)) + "}\n")


def orterms():
    # One expression of 100,000 terms: its comment line does not list the
    # operands, so the output stays linear in the number of terms.
    return "int g;\nint h;\nvoid main() {\n  g = h" + "".join(
        " | h" if i % 16 else " |\n h" for i in range(1, 100000)) + ";\n}\n"


def longline():
    # One 5 MB line. The reader cuts it into pieces of 511 characters; each
    # piece is one assignment and 72 empty statements, so no token straddles
    # a cut and the program is valid.
    piece = " g = 1;" + "      ;" * 72
    assert len(piece) == 511
    return "int g;\nvoid main() {" + piece * (5 * 1024 * 1024 // len(piece) + 1) + "}\n"


def bigoutput():  # over 10 MB of output: a file-level asm block copied through
    line = "        LOAD    s0,01           ; filler line of the stress test\n"
    return "asm {\n" + line * (10 * 1024 * 1024 // len(line) + 1) + "}\nvoid main() {}\n"


# name: (source, status, diagnostic, minimum output bytes)
CASES = {
    "stmts": (stmts, 0, "", 0),
    "funcs": (funcs, 0, "", 0),
    # Data memory holds 64 bytes.
    "globals": (lambda: "".join("char g%d;\n" % i for i in range(10000)) + "void main() {}\n",
                1, "data memory is full", 0),
    "parens": (lambda: "int g;\nvoid main() {\n  g = " + "(" * 100000 + "g" + ")" * 100000 + ";\n}\n", 0, "", 0),
    "blocks": (lambda: "int g;\nvoid main() " + "{ char c; c = g;\n" * 20000 + "g = c;\n" + "}\n" * 20000,
               0, "", 0),
    "ifs": (lambda: "int g;\nvoid main() {\n" + "if (g)\n" * 20000 + "g = 1;\n}\n", 0, "", 0),
    "orterms": (orterms, 0, "", 0),
    "longline": (longline, 0, "", 0),
    "bigoutput": (bigoutput, 0, "", 10 * 1024 * 1024),
    "randbytes": (lambda: random.Random(8).randbytes(1 << 20), 1, "", 0),
    "nulbytes": (lambda: b"\0" * (1 << 20), 0, "", 0),
    "opencomment": (lambda: "int g;\nvoid main() {\n" + "  g = g + 1;\n" * ((1 << 20) // 13) + "}\n/* never closed\n",
                    0, "", 0),
}


def main():
    compiler, name = sys.argv[1:3]
    make, want, diagnostic, min_out = CASES[name]
    text = make()
    with tempfile.TemporaryDirectory() as work:
        source = os.path.join(work, name + ".c")
        with open(source, "wb") as f:
            f.write(text if isinstance(text, bytes) else text.encode())
        with open(os.path.join(work, "out.s"), "wb") as out:
            run = subprocess.run([compiler, source], stdout=out, stderr=subprocess.PIPE)
        size = os.path.getsize(os.path.join(work, "out.s"))
    err = run.stderr.decode("latin-1")
    print("%s: status %d, %d output bytes\n%s" % (name, run.returncode, size, err[:2000]))
    problems = []
    if run.returncode != want:
        problems.append("status %d, expected %d" % (run.returncode, want))
    if want == 0 and err:
        problems.append("stderr not empty")
    if want != 0 and (err.count("\n") != 1 or not err.endswith("\n") or diagnostic not in err):
        problems.append("not one whole diagnostic line with '%s'" % diagnostic)
    if size < min_out:
        problems.append("output %d bytes, expected at least %d" % (size, min_out))
    for p in problems:
        print("FAIL:", p)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
