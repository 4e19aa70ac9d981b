#!/usr/bin/env python3
"""The tarvel driver from the outside: what it writes, where, and with which
status, for good and bad command lines and inputs.

use: driver_test.py TARVEL TARVELCC SOURCE_DIR
"""
import os
import subprocess
import sys
import tempfile
import unittest

from scratch import ScratchCase

TARVEL, TARVELCC, SOURCE = (os.path.abspath(p) for p in sys.argv[1:4])
EXAMPLES = os.path.join(SOURCE, "examples")


def run(*args, cwd=None, stdin=None):
    return subprocess.run([TARVEL, *args], cwd=cwd, input=stdin, capture_output=True)


def words_of(fmt, text):
    """The 1,024 words of an image, read back from its text."""
    lines = text.splitlines()
    if fmt == "mem":
        assert lines[0] == "@00000000"
        lines = lines[1:]
    if fmt == "mif":
        body = lines[lines.index("BEGIN") + 1:lines.index("END;")]
        assert lines[:4] == ["DEPTH = 1024;", "WIDTH = 18;", "ADDRESS_RADIX = HEX;", "DATA_RADIX = HEX;"]
        words = []
        for n, row in enumerate(body):
            address, values = row.rstrip(";").split(" : ")
            assert int(address, 16) == 8 * n
            words += values.split()
        lines = words
    assert len(lines) == 1024 and all(len(w) == 5 and w == w.upper() for w in lines)
    return [int(w, 16) for w in lines]


class Driver(ScratchCase):

    def assertOnlyFiles(self, *names):
        self.assertEqual(sorted(os.listdir(self.cwd)), sorted(names))

    def test_assembly_is_what_the_compiler_writes(self):
        for name in sorted(os.listdir(EXAMPLES)):
            if name.endswith(".c"):
                src = os.path.join(EXAMPLES, name)
                want = subprocess.run([TARVELCC, src], capture_output=True).stdout
                self.assertEqual(run("-S", src, "-o", "-").stdout, want, name)
        # A translation error: the same message text, status and partial output.
        src = self.write("bad.c", "char g;\nvoid main() {\n  g = 1;\n  *g = 2 + &3;\n}\n")
        want = subprocess.run([TARVELCC, src], capture_output=True)
        got = run("-S", src, "-o", "-", "-Wno-store-non-pointer")
        self.assertEqual((got.returncode, got.stdout), (want.returncode, want.stdout))
        self.assertEqual(got.stderr.decode(), want.stderr.decode().replace(":4: ", ":4:14: error: ", 1) +
                         "  *g = 2 + &3;\n" + " " * 13 + "^\n")

    def test_optimized_builds_are_smaller(self):
        for name in sorted(os.listdir(EXAMPLES)):
            if not name.endswith(".c"):
                continue
            src = os.path.join(EXAMPLES, name)
            plain, small = (run(*flags, "--size", src, "-o", os.path.join(self.cwd, "x.hex"))
                            for flags in ([], ["-O"]))
            words = [int(r.stderr.split()[2]) for r in (plain, small)]
            self.assertLess(words[1], words[0], name)
            self.assertNotEqual(run("-O", "-S", src, "-o", "-").stdout, run("-S", src, "-o", "-").stdout)

    def test_default_output_and_formats_agree(self):
        blink = os.path.join(EXAMPLES, "blink.c")
        self.assertEqual(run(blink, cwd=self.cwd).returncode, 0)
        self.assertOnlyFiles("blink.hex")
        with open(os.path.join(self.cwd, "blink.hex")) as f:
            hexwords = words_of("hex", f.read())
        self.assertEqual(hexwords[:2], [0x00F3F, 0x3003E])  # LOAD sF,3F; CALL _main
        for out, fmt in (("b.mem", "mem"), ("b.mif", "mif"), ("b.txt", "mif")):
            extra = ["--format=mif"] if out == "b.txt" else []
            self.assertEqual(run(blink, "-o", out, *extra, cwd=self.cwd).returncode, 0)
            with open(os.path.join(self.cwd, out)) as f:
                self.assertEqual(words_of(fmt, f.read()), hexwords, out)
        run(blink, "-o", "prog.v", cwd=self.cwd)
        run(blink, "-o", "prog.vhd", cwd=self.cwd)
        with open(os.path.join(self.cwd, "prog.v")) as f:
            self.assertIn("module prog", f.read())
        with open(os.path.join(self.cwd, "prog.vhd")) as f:
            self.assertIn("entity prog is", f.read())

    def test_assembly_input_and_listing(self):
        psm = self.write("p.psm", "start: LOAD s0,01\n  JUMP start ; loop\n")
        r = run(psm, "--listing=p.lst", cwd=self.cwd)
        self.assertEqual(r.returncode, 0, r.stderr)
        with open(os.path.join(self.cwd, "p.hex")) as f:
            self.assertEqual(f.read().split()[:3], ["00001", "34000", "00000"])
        with open(os.path.join(self.cwd, "p.lst")) as f:
            listing = f.read()
        self.assertRegex(listing, r"000\s+00001\s+.*start: LOAD s0,01")
        self.assertRegex(listing, r"001\s+34000\s+.*JUMP start ; loop")
        bad = self.write("q.psm", "LOAD s0,01\nFOO s1\n")
        r = run(bad, cwd=self.cwd)
        self.assertEqual((r.returncode, r.stderr.decode()), (1, bad + ":2: error: unknown mnemonic 'FOO'\n"))

    def test_standard_input(self):
        r = run("-", "--size", cwd=self.cwd, stdin=b"void main() { }\n")
        self.assertEqual(r.returncode, 0)
        self.assertOnlyFiles("a.hex")
        r = run("-", "-S", "-o", "-", stdin=b"void main() { x = 1; }\n")
        self.assertEqual(r.stderr, b"<stdin>:1:17: error: var or const \"x\" is not declared\n"
                                   b"void main() { x = 1; }\n" + b" " * 16 + b"^\n")

    def test_errors_leave_no_output_file(self):
        cases = {
            "c.c": "void main() { x = 1; }\n",                       # compile error
            "a.c": "void main() { asm {\n FOO s0\n} }\n",            # assembler error
            "big.c": "char g;\nvoid main() {\n" + "  g = g * 3;\n" * 400 + "}\n",  # too large
        }
        for name, text in cases.items():
            src = self.write(name, text)
            for args in ([], ["-S"], ["--listing=l.lst"]):
                if name != "c.c" and args == ["-S"]:
                    continue
                r = run(src, *args, cwd=self.cwd)
                self.assertEqual(r.returncode, 1, (name, args))
                self.assertOnlyFiles(*cases.keys() & set(os.listdir(self.cwd)))
        r = run(os.path.join(self.cwd, "big.c"), cwd=self.cwd)
        self.assertIn("error: the program needs", r.stderr.decode())
        self.assertIn("note: -O makes the code smaller", r.stderr.decode())
        r = run(os.path.join(self.cwd, "nowhere.c"))
        self.assertEqual((r.returncode, r.stderr), (1, b"tarvel: error: input file " +
                                                    os.path.join(self.cwd, "nowhere.c").encode() + b" not fined \n"))

    def test_code_reaching_the_vector(self):
        psm = self.write("v.psm", "ADDRESS 3FE\nLOAD s0,01\nLOAD s0,02\nADDRESS 3FF\nJUMP 000\n")
        r = run(psm, cwd=self.cwd)
        self.assertEqual(r.returncode, 1)
        self.assertIn(":5: error: the code reaches the interrupt vector at 3FF", r.stderr.decode())
        self.assertOnlyFiles("v.psm")

    def test_bad_command_lines(self):
        hint = "Try 'tarvel --help' for more information.\n"
        cases = [
            (["-x", "a.c"], "unknown option '-x'"),
            (["a.c", "-o"], "missing file name after '-o'"),
            (["a.c", "b.c"], "a second input file 'b.c' (one file is built at a time)"),
            ([], "no input file"),
            (["a.c", "--format=elf"], "unknown format 'elf' (hex, mem, mif, vhdl or verilog)"),
            (["-S", "a.psm"], "-S with the assembly input 'a.psm': there is nothing to compile"),
        ]
        for args, message in cases:
            r = run(*args)
            self.assertEqual((r.returncode, r.stderr.decode()), (2, "tarvel: error: " + message + "\n" + hint))
        self.assertIn(b"usage: tarvel", run("--help").stdout)
        self.assertEqual(run("--version").returncode, 0)


class Budget(unittest.TestCase):
    def example(self, name):
        with open(os.path.join(EXAMPLES, name)) as f:
            return f.read()

    def size(self, text):
        with tempfile.TemporaryDirectory() as d:
            src = os.path.join(d, "t.c")
            with open(src, "w") as f:
                f.write(text)
            r = run(src, "--size", "-o", os.path.join(d, "t.hex"))
            return r.returncode, r.stderr.decode()

    def test_examples(self):
        for name in sorted(os.listdir(EXAMPLES)):
            if name.endswith(".c"):
                status, report = self.size(self.example(name))
                self.assertEqual(status, 0, name)
                self.assertTrue(report.startswith("program memory: "), report)
                self.assertNotIn("warning", report)
        status, report = self.size(self.example("irq.c"))
        self.assertEqual(status, 0)
        self.assertRegex(report, r"program memory: 59 of 1024 words")
        for row in ("start-up code", "interrupt entry", "my_irq", "main", "interrupt vector"):
            self.assertIn(row, report)
        self.assertIn("data memory: 4 of 64 bytes of statics", report)
        self.assertIn("(main; interrupt +1)", report)
        self.assertIn("call stack: up to 3 of 31 return addresses", report)
        status, report = self.size(self.example("pid.c"))
        self.assertIn("data stack: up to 14 of 54 bytes (main > pid_step > clamp), 40 left", report)
        self.assertRegex(report, r"div16x16 +35  run-time routine")

    def test_stack_warnings(self):
        status, report = self.size("char n;\nvoid f() { n = n - 1; if (n) f(); }\nvoid main() { n = 3; f(); }\n")
        self.assertEqual(status, 0)
        self.assertIn("warning: the data stack has no bound: f is recursive [-Wstack]", report)
        self.assertIn("warning: the call stack has no bound: f is recursive [-Wcall-depth]", report)
        calls = "".join("void f%d() { int a; f%d(); }\n" % (i, i - 1) for i in range(1, 40))
        status, report = self.size("void f0() { }\n" + calls + "void main() { f39(); }\n")
        self.assertIn("warning: the call stack can overflow: up to 41 return addresses of 31", report)
        self.assertIn("warning: the data stack can overflow: up to 119 bytes, 64 free", report)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=1)
