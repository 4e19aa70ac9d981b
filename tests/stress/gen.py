#!/usr/bin/env python3
"""Writes one large or malformed source for the stress suite.

usage: gen.py CASE FILE

Every case is made here at test time (nothing large is checked in).  The
sizes are the ones the compiler is expected to take in a few seconds.
"""
import random
import sys


def stmts(out):
    # 200,000 statements in one function.
    out.write("int g;\nvoid main() {\n  int a;\n")
    for i in range(200000):
        out.write("  a = g + %d;\n" % (i & 255))
    out.write("}\n")


def funcs(out):
    # 20,000 functions, each called once from main.
    for i in range(20000):
        out.write("void f%d() {}\n" % i)
    out.write("void main() {\n")
    for i in range(20000):
        out.write("  f%d();\n" % i)
    out.write("}\n")


def globals_(out):
    # 10,000 globals: data memory holds 64 bytes, so this must stop with
    # "data memory is full".
    for i in range(10000):
        out.write("char g%d;\n" % i)
    out.write("void main() {}\n")


def parens(out):
    # 100,000 nested parentheses around one operand.
    n = 100000
    out.write("int g;\nvoid main() {\n  g = " + "(" * n + "g" + ")" * n + ";\n}\n")


def blocks(out):
    # 20,000 nested blocks, each with a local of its own.
    n = 20000
    out.write("int g;\nvoid main() ")
    for _ in range(n):
        out.write("{ char c; c = g;\n")
    out.write("g = c;\n")
    out.write("}\n" * n)


def ifs(out):
    # 20,000 nested if statements.
    n = 20000
    out.write("int g;\nvoid main() {\n")
    for _ in range(n):
        out.write("if (g)\n")
    out.write("g = 1;\n}\n")


def orterms(out):
    # One expression of 100,000 terms.  Its comment line does not list the
    # operands, so the output stays linear in the number of terms.
    out.write("int g;\nint h;\nvoid main() {\n  g = h")
    for i in range(1, 100000):
        out.write(" | h" if i % 16 else " |\n h")
    out.write(";\n}\n")


def longline(out):
    # One 5 MB source line.  The reader cuts it into pieces of 511
    # characters; each piece is one assignment and 72 empty statements of 7
    # characters, so no token straddles a cut and the program is valid.
    piece = " g = 1;" + "      ;" * 72
    assert len(piece) == 511
    out.write("int g;\nvoid main() {")
    out.write(piece * (5 * 1024 * 1024 // len(piece) + 1))
    out.write("}\n")


def bigoutput(out):
    # A program whose output is over 10 MB: a file-level asm block copied
    # through unchanged.
    out.write("asm {\n")
    line = "        LOAD    s0,01           ; filler line of the stress test\n"
    for _ in range(10 * 1024 * 1024 // len(line) + 1):
        out.write(line)
    out.write("}\nvoid main() {}\n")


def randbytes(out):
    rng = random.Random(8)
    out.buffer.write(bytes(rng.getrandbits(8) for _ in range(1 << 20)))


def nulbytes(out):
    out.buffer.write(b"\0" * (1 << 20))


def opencomment(out):
    # 1 MB of program, then a block comment that never ends.
    text = "int g;\nvoid main() {\n"
    body = "  g = g + 1;\n"
    out.write(text + body * ((1 << 20) // len(body)) + "}\n/* never closed\n")


CASES = {
    "stmts": stmts,
    "funcs": funcs,
    "globals": globals_,
    "parens": parens,
    "blocks": blocks,
    "ifs": ifs,
    "orterms": orterms,
    "longline": longline,
    "bigoutput": bigoutput,
    "randbytes": randbytes,
    "nulbytes": nulbytes,
    "opencomment": opencomment,
}

if __name__ == "__main__":
    with open(sys.argv[2], "w", newline="\n") as f:
        CASES[sys.argv[1]](f)
