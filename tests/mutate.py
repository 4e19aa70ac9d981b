#!/usr/bin/env python3
"""Mutation sampler: how many small faults in the compiler's front end does
the test suite notice?

Each mutant changes one token in a file of front/, tree/ or symbols/ (a
binary operator or an integer constant), the tree is rebuilt and the whole
suite runs; a failing suite has caught the mutant.  The sample is drawn with
a fixed seed from all candidate tokens in file order, so two trees with the
same compiler sources get the same mutants and their results compare line
by line.  Slow (a rebuild and a suite run per mutant): run by hand, on a
scratch copy of the source tree, never in CI.

use: tests/mutate.py SOURCE_DIR BUILD_DIR [--seed N] [--count N] [--jobs N]
"""
import argparse
import pathlib
import random
import re
import subprocess
import sys

FOLDERS = ("front", "tree", "symbols")
# Binary operators are only taken with a space on both sides: that keeps
# templates, includes, unary minus and "->" out of the sample.
SWAPS = {"==": "!=", "!=": "==", "<": "<=", "<=": "<", ">": ">=", ">=": ">",
         "+": "-", "-": "+", "&&": "||", "||": "&&", "+=": "-=", "-=": "+=",
         "<<": ">>", ">>": "<<", "*": "/", "&": "|", "|": "&"}
OPERATOR = re.compile(r"(?<= )(==|!=|<=|>=|<<|>>|&&|\|\||\+=|-=|[<>+\-*&|])(?= )")
NUMBER = re.compile(r"(?<![\w.])(0[xX][0-9a-fA-F]+|\d+)(?![\w.])")
# Comments, string and character literals and preprocessor lines, blanked
# out before the search so that no mutant lands inside them.
NOISE = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'|^\s*#[^\n]*',
                   re.S | re.M)


def blank(text):
    return NOISE.sub(lambda m: re.sub(r"[^\n]", " ", m.group(0)), text)


def bump(number):
    """The constant one higher, written the same way."""
    if number.lower().startswith("0x"):
        return "0x%X" % (int(number, 16) + 1)
    return str(int(number) + 1)


def candidates(source):
    """Every (file, offset, old, new) in file order."""
    found = []
    for folder in FOLDERS:
        for path in sorted((source / folder).glob("*.[ch]*")):
            code = blank(path.read_text())
            rel = str(path.relative_to(source))
            for m in OPERATOR.finditer(code):
                found.append((rel, m.start(), m.group(1), SWAPS[m.group(1)]))
            for m in NUMBER.finditer(code):
                found.append((rel, m.start(), m.group(1), bump(m.group(1))))
    found.sort(key=lambda c: (c[0], c[1]))
    return found


def run(cmd):
    return subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def try_mutant(source, build, jobs, mutant):
    rel, offset, old, new = mutant
    path = source / rel
    original = path.read_text()
    path.write_text(original[:offset] + new + original[offset + len(old):])
    try:
        if run(["cmake", "--build", str(build), "-j%d" % jobs]) != 0:
            return "no-build"
        failed = run(["ctest", "--test-dir", str(build), "-j%d" % jobs,
                      "--timeout", "60", "--stop-on-failure"])
        return "caught" if failed else "missed"
    finally:
        path.write_text(original)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("source", type=pathlib.Path)
    ap.add_argument("build", type=pathlib.Path)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--count", type=int, default=40)
    ap.add_argument("--jobs", type=int, default=2)
    args = ap.parse_args()
    source = args.source.resolve()
    if run(["cmake", "-S", str(source), "-B", str(args.build),
            "-DCMAKE_BUILD_TYPE=Release"]) != 0 or \
       run(["cmake", "--build", str(args.build), "-j%d" % args.jobs]) != 0:
        sys.exit("the unmutated tree does not build")
    pool = candidates(source)
    sample = random.Random(args.seed).sample(pool, min(args.count, len(pool)))
    tally = {"caught": 0, "missed": 0, "no-build": 0}
    for mutant in sample:
        rel, offset, old, new = mutant
        line = (source / rel).read_text().count("\n", 0, offset) + 1
        result = try_mutant(source, args.build, args.jobs, mutant)
        tally[result] += 1
        print("%-8s %s:%d %s -> %s" % (result, rel, line, old, new), flush=True)
    run(["cmake", "--build", str(args.build), "-j%d" % args.jobs])
    print("seed %d, %d candidates: %d caught, %d missed, %d did not build"
          % (args.seed, len(pool), tally["caught"], tally["missed"], tally["no-build"]))


if __name__ == "__main__":
    main()
