#!/usr/bin/env python3
"""The driver's warnings and notes from the outside: each warning fires on
its minimal case and not on the rewrite its text recommends, the options
select them, and the code written is the same whatever they say.

use: warnings_test.py TARVEL TARVELCC SOURCE_DIR
"""
import os
import re
import subprocess
import sys
import tempfile
import unittest

TARVEL, TARVELCC, SOURCE = (os.path.abspath(p) for p in sys.argv[1:4])
EXAMPLES = os.path.join(SOURCE, "examples")
NAMES = ["static-init", "return-width", "signed-compare", "shift-signed", "byte-arith", "no-short-circuit",
         "unprototyped-args", "store-non-pointer", "asm-text", "target-twice", "stack", "call-depth"]

# Declarations every case below can use.
HEAD = "char c, t, a, b; unsigned char u; int x, s; char *p; char buf[4];\nint g(); void beep(); void say(char n);\n"

# name: (the minimal case, its recommended rewrite), each a function body.
CASES = {
    "static-init": ("static char n = 2;", "static char n; n = 2;"),
    "signed-compare": ("if (t < 0) beep();", "if (t & 0x80) beep(); if ((a ^ 0x80) < (b ^ 0x80)) beep();"
                       " if (u < 10) beep();"),
    "shift-signed": ("x = x >> 1;", "x = x / 2; x = (unsigned)x >> 1;"),
    "byte-arith": ("s = c + 100;", "s = (int)c + 100; c = c + 100; s = c * 2;"),
    "no-short-circuit": ("if (c && g()) beep();", "if (c) if (g()) beep(); if (c && b) beep();"),
    "unprototyped-args": ("beep(3);", "say(3); beep();"),
    "store-non-pointer": ("*c = 7; c[1] = 7;", "*p = 7; p[1] = 7; buf[1] = 7;"),
    "asm-text": ("asm { LOAD s2,00\n}", "asm { // the block\n LOAD s2,00\n}"),
    "target-twice": ("buf[x++] += 1;", "buf[x] += 1; x++;"),
}


def run(*args, cwd=None, stdin=None):
    return subprocess.run([TARVEL, *args], cwd=cwd, input=stdin, capture_output=True)


def warnings_in(stderr):
    return re.findall(r"\[-W(?:error=)?([a-z-]+)\]", stderr.decode())


class Warnings(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.cwd = self.dir.name

    def compile(self, text, *args, image=False):
        path = os.path.join(self.cwd, "w.c")
        with open(path, "w") as f:
            f.write(text)
        return run(*(["-o", "w.hex"] if image else ["-S", "-o", "-"]), path, *args, cwd=self.cwd)

    def test_each_warning_fires_and_its_rewrite_is_quiet(self):
        for name, (bad, good) in CASES.items():
            for body, want in ((bad, [name] * bad.count(";") if name == "store-non-pointer" else [name]),
                               (good, [])):
                r = self.compile(HEAD + "void main() {\n" + body + "\n}\n")
                self.assertEqual((r.returncode, warnings_in(r.stderr)), (0, want), body)
        r = self.compile("char mode = 2;\nint one() { return 1; }\nint two() { return (int)1; }\n")
        self.assertEqual(warnings_in(r.stderr), ["static-init", "return-width"])

    def test_message_layout(self):
        # FILE:LINE:COLUMN, the source line, a caret that keeps the line's tabs.
        r = self.compile("char t;\nvoid main() {\n\tif (t < 0) t = 1;\n}\n")
        path = os.path.join(self.cwd, "w.c")
        self.assertEqual(r.stderr.decode().splitlines()[1:], ["\tif (t < 0) t = 1;", "\t         ^"])
        self.assertTrue(r.stderr.decode().startswith(path + ":3:11: warning: '<' compares as unsigned"))
        # A line marker names another file: its line is read from disk, or left out.
        with open(os.path.join(self.cwd, "inc.c"), "w") as f:
            f.write("\nchar k = 1;\n")
        r = run("-S", "-o", "-", "-", cwd=self.cwd, stdin=b"@inc.c:2:char k = 1;\n@gone.c:7:char m = 1;\n")
        self.assertEqual(r.stderr.decode().splitlines()[:3], ["inc.c:2:8: warning: the initial value of 'k' is "
                         "not stored: the variable starts with whatever memory holds; assign it in code "
                         "[-Wstatic-init]", "char k = 1;", "       ^"])
        self.assertRegex(r.stderr.decode().splitlines()[3], r"^gone\.c:7:8: warning: .*\]$")
        self.assertEqual(len(r.stderr.decode().splitlines()), 4)

    def test_options(self):
        src = HEAD + "char m = 1;\nvoid main() { x = x >> 1; }\n"
        self.assertEqual(warnings_in(self.compile(src, "-Wno-static-init").stderr), ["shift-signed"])
        self.assertEqual(warnings_in(self.compile(src, "-Wno-static-init", "-Wall").stderr),
                         ["static-init", "shift-signed"])
        r = self.compile(src, "-Werror", "-Wno-shift-signed")
        self.assertEqual((r.returncode, r.stdout, warnings_in(r.stderr)), (1, b"", ["static-init"]))
        self.assertIn(":3:8: error: the initial value", r.stderr.decode())
        self.assertEqual(self.compile(src, "-Werror", "-Wno-error").returncode, 0)
        r = run("-Wshadow", "x.c")
        self.assertEqual((r.returncode, r.stderr.decode()), (2, "tarvel: error: unknown warning option '-Wshadow'\n"
                                                               "Try 'tarvel --help' for more information.\n"))
        # The budget warnings are selectable and -Werror stops the image.
        rec = "void f() { f(); }\nvoid main() { f(); }\n"
        self.assertEqual(warnings_in(self.compile(rec, image=True).stderr), ["stack", "call-depth"])
        self.assertEqual(warnings_in(self.compile(rec, "-Wno-stack", image=True).stderr), ["call-depth"])
        self.assertEqual(self.compile(rec, "-Werror", "-Wno-stack", "-Wno-call-depth", image=True).returncode, 0)
        os.remove(os.path.join(self.cwd, "w.hex"))
        self.assertEqual(self.compile(rec, "-Werror", "-Wno-stack", image=True).returncode, 1)
        self.assertNotIn("w.hex", os.listdir(self.cwd))

    def test_code_does_not_depend_on_the_warnings(self):
        noisy = os.path.join(self.cwd, "noisy.c")
        with open(noisy, "w") as f:
            f.write("char mode = 2;\nint one() { return 1; }\n" + HEAD + "void main() {\n" +
                    "\n".join(bad for bad, _ in CASES.values() if "asm" not in bad) + "\n}\n")
        sources = [os.path.join(EXAMPLES, n) for n in sorted(os.listdir(EXAMPLES)) if n.endswith(".c")]
        for src in sources + [noisy]:
            want = subprocess.run([TARVELCC, src], capture_output=True).stdout
            for flags in [[]] + [["-Wno-" + n] for n in NAMES]:
                self.assertEqual(run("-S", "-o", "-", src, *flags).stdout, want, (src, flags))
            if src != noisy:
                self.assertEqual(run("-S", "-o", "-", src).stderr, b"", src)

    def test_notes_for_constructs_from_other_compilers(self):
        notes = {
            "struct s { char a; };": "structures", "void main() { union u x; }": "structures",
            "char x; void main() { x = sizeof(x); }": "sizeof", "void main() { goto l; }": "goto",
            "char x; void main() { x = x ? 1 : 2; }": "conditional", "void main() { char c; c = \"a\"; }": "strings",
            "float f;": "floating", "void main() { double d; }": "floating", "char x; void main() { x = 1.5; }": "floating",
            "char a[3] = {1, 2, 3};": "initializer lists", "void main() { int x = {1}; }": "initializer lists",
            "volatile char v;": "volatile",
        }
        for src, word in notes.items():
            r = run("-S", "-o", "-", "-", stdin=src.encode() + b"\n")
            lines = r.stderr.decode().splitlines()
            self.assertEqual((r.returncode, len(lines)), (1, 4), src)
            self.assertRegex(lines[3], r"^<stdin>:1:\d+: note: there (is|are) no .*" + word, src)
        r = run("-S", "-o", "-", "-", stdin=b"void main() { x = 1; }\n")
        self.assertNotIn("note:", r.stderr.decode())


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
