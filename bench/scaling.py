#!/usr/bin/env python3
"""Looks for super-linear behaviour: compiles programs of one extreme shape
at two sizes (n and 8n) and prints how much more CPU time the larger took.
A linear compiler shows about 8; anything well above it is a hot spot
that grows with the input faster than the input does.

usage: scaling.py [--ir] TARVELCC RUNSTAT WORKDIR [SHAPE...]

With --ir the instruction counts (valgrind's callgrind, slow) are compared
too: they tell an algorithm that grows too fast from a working set that
outgrows the caches, which only the time shows.

Lines are kept short (a line holds at most 511 characters).  Each shape
stresses one structure the realistic benchmark keeps small:
long statement lists, deep nesting, long case chains, long operator chains
(multiplicative ones: +/- chains are quadratic on purpose, each comment line
prints the whole left operand), long argument lists, many functions and
constants, long inline assembler blocks and many line markers.
"""
import os
import subprocess
import sys


def statements(n):
    body = "".join("    x = x * 3 + y;\n    y = y ^ x;\n" for _ in range(n // 2))
    return "int x, y;\nvoid main() {\n" + body + "}\n"


def nested_blocks(n):
    return "int x;\nvoid main() {\n" + "{ int t; x = t;\n" * n + "}\n" * n + "}\n"


def nested_ifs(n):
    return "int x;\nvoid main() {\n" + "if (x)\n" * n + "x = 1;\n}\n"


def switch_cases(n):
    cases = "".join("    case %d: x = %d; break;\n" % (i, i & 255) for i in range(n))
    return "int x;\nvoid main() {\n  switch (x) {\n" + cases + "  }\n}\n"


def mult_chain(n):
    return "int x, y;\nvoid main() {\n  x = y" + " * y\n" * n + ";\n}\n"


def or_chain(n):
    return "int x, y;\nvoid main() {\n  x = y" + " | y\n" * n + ";\n}\n"


def nested_parens(n):
    return "int x, y;\nvoid main() {\n  x = " + "(y *\n" * n + "y" + ")\n" * n + ";\n}\n"


def many_args(n):
    params = ",\n".join("char p%d" % i for i in range(n))
    args = ",\n".join(str(i & 127) for i in range(n))
    return "void f(%s) { }\nvoid main() {\n  f(%s);\n}\n" % (params, args)


def many_functions(n):
    fs = "".join("int f%d(int a) { return a * %d; }\n" % (i, i & 255) for i in range(n))
    return "int x;\n" + fs + "void main() { x = f0(1); }\n"


def many_constants(n):
    cs = "".join("const int c%d = %d;\n" % (i, i) for i in range(n))
    return cs + "int x;\nvoid main() { x = c0 * c%d; }\n" % (n - 1)


def many_locals(n):
    decls = "".join("  char v%d;\n" % i for i in range(n))
    return "int x;\nvoid main() {\n" + decls + "  x = v0;\n}\n"


def asm_block(n):
    lines = "".join("        LOAD    s0,%02X\n" % (i & 255) for i in range(n))
    return "asm {\n" + lines + "}\nvoid main() { }\n"


def line_markers(n):
    body = "".join("@file%d.c:%d:  x = x + 1;\n" % (i % 7, i) for i in range(n))
    return "int x;\nvoid main() {\n" + body + "}\n"


def compound_targets(n):
    # the target of a compound assignment is evaluated twice, so nesting
    # doubles the code per level: kept shallow, it only checks the clone
    body = "".join("  a[i & 3] += a[(i + 1) & 3];\n" for _ in range(n))
    return "int a[4];\nint i;\nvoid main() {\n" + body + "}\n"


SHAPES = {
    "statements": (statements, 20000),
    "nested_blocks": (nested_blocks, 5000),
    "nested_ifs": (nested_ifs, 20000),
    "switch_cases": (switch_cases, 10000),
    "mult_chain": (mult_chain, 20000),
    "or_chain": (or_chain, 20000),
    "nested_parens": (nested_parens, 10000),
    "many_args": (many_args, 8000),
    "many_functions": (many_functions, 5000),
    "many_constants": (many_constants, 20000),
    "many_locals": (many_locals, 5000),
    "asm_block": (asm_block, 80000),
    "line_markers": (line_markers, 20000),
    "compound_targets": (compound_targets, 10000),
}


def cpu_of(tarvelcc, runstat, src, work):
    out = os.path.join(work, "scaling.out")
    res = subprocess.run([runstat, "3", out, tarvelcc, src], capture_output=True, text=True)
    if res.returncode != 0:
        return None, res.stderr.strip()
    cpus = sorted(float(line.split()[1]) for line in res.stdout.split("\n") if line.strip())
    return cpus[len(cpus) // 2], None


def instructions(tarvelcc, src):
    res = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null",
                          tarvelcc, src], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    for line in res.stderr.splitlines():
        if "refs:" in line:
            return int(line.split("refs:")[1].replace(",", ""))
    return None


def main():
    args = sys.argv[1:]
    with_ir = bool(args) and args[0] == "--ir"
    if with_ir:
        args = args[1:]
    tarvelcc, runstat, work = args[:3]
    shapes = args[3:] or list(SHAPES)
    print("%-17s %8s %9s %9s %7s%s" % ("shape", "n", "cpu n", "cpu 8n", "ratio",
                                       "  instr ratio" if with_ir else ""))
    for name in shapes:
        make, n = SHAPES[name]
        times = []
        irs = []
        for size in (n, 8 * n):
            src = os.path.join(work, "scaling-%s-%d.c" % (name, size))
            with open(src, "w") as f:
                f.write(make(size))
            cpu, err = cpu_of(tarvelcc, runstat, src, work)
            if err:
                print("%-17s %8d  compile failed: %s" % (name, size, err.splitlines()[-1][:80]))
                break
            times.append(cpu)
            if with_ir:
                irs.append(instructions(tarvelcc, src))
        if len(times) == 2:
            ratio = times[1] / max(times[0], 1e-4)
            ir = ""
            if with_ir and all(irs):
                ir = "  %11.1f" % (irs[1] / irs[0])
            flag = "  <-- super-linear?" if ratio > 12 and times[1] > 0.05 else ""
            print("%-17s %8d %9.4f %9.4f %7.1f%s%s" % (name, n, times[0], times[1], ratio, ir, flag))
        sys.stdout.flush()


if __name__ == "__main__":
    main()
