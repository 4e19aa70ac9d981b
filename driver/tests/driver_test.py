#!/usr/bin/env python3
"""The tarvel driver from the outside: what it writes, where, and with which
status, for good and bad command lines and inputs; the memory budget;
#define, #include and #if through the system's C preprocessor (left out
where there is none); and the warnings: each fires on its minimal case and
not on the rewrite its text recommends, the options select them, and the
code written is the same whatever they say.

use: driver_test.py TARVEL TARVELCC TARVELSIM SOURCE_DIR
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

TARVEL, TARVELCC, TARVELSIM, SOURCE = (os.path.abspath(p) for p in sys.argv[1:5])
EXAMPLES = os.path.join(SOURCE, "examples")
SOURCES = [os.path.join(EXAMPLES, n) for n in sorted(os.listdir(EXAMPLES)) if n.endswith(".c")]
# Every warning's name, as -Wno-NAME takes it.
NAMES = ["static-init", "return-width", "signed-compare", "shift-signed", "byte-arith", "no-short-circuit",
         "unprototyped-args", "store-non-pointer", "asm-text", "target-twice", "stack", "call-depth"]

# Declarations every warning case below can use.
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


def run(*args, cwd=None, stdin=None, env=None):
    return subprocess.run([TARVEL, *args], cwd=cwd, input=stdin, capture_output=True, env=env)


def warnings_in(stderr):
    return re.findall(r"\[-W(?:error=)?([a-z-]+)\]", stderr.decode())


def words_of(fmt, text):
    """The 1,024 words of an image, read back from its text."""
    lines = text.splitlines()
    if fmt == "mem":
        assert lines[0] == "@00000000"
        lines = lines[1:]
    if fmt == "mif":
        assert lines[:4] == ["DEPTH = 1024;", "WIDTH = 18;", "ADDRESS_RADIX = HEX;", "DATA_RADIX = HEX;"]
        words = []
        for n, row in enumerate(lines[lines.index("BEGIN") + 1:lines.index("END;")]):
            address, values = row.rstrip(";").split(" : ")
            assert int(address, 16) == 8 * n
            words += values.split()
        lines = words
    assert len(lines) == 1024 and all(len(w) == 5 and w == w.upper() for w in lines)
    return [int(w, 16) for w in lines]


class Scratch(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.cwd = self.dir.name

    def write(self, name, text):
        """Writes a file below the scratch folder; returns its path."""
        path = os.path.join(self.cwd, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(text)
        return path

    def read(self, name):
        with open(os.path.join(self.cwd, name)) as f:
            return f.read()

    def assertOnlyFiles(self, *names):
        self.assertEqual(sorted(os.listdir(self.cwd)), sorted(names))


class Driver(Scratch):
    def test_O_shrinks_and_errors_read_as_the_compiler_writes_them(self):
        for src in SOURCES:
            plain, small = (run(*flags, "--size", src, "-o", os.path.join(self.cwd, "x.hex")) for flags in ([], ["-O"]))
            self.assertLess(int(small.stderr.split()[2]), int(plain.stderr.split()[2]), src)
        # A translation error: the same message text, status and partial output.
        src = self.write("bad.c", "char g;\nvoid main() {\n  g = 1;\n  *g = 2 + &3;\n}\n")
        want = subprocess.run([TARVELCC, src], capture_output=True)
        got = run("-S", src, "-o", "-", "-Wno-store-non-pointer")
        self.assertEqual((got.returncode, got.stdout), (want.returncode, want.stdout))
        self.assertEqual(got.stderr.decode(), want.stderr.decode().replace(":4: ", ":4:14: error: ", 1) +
                         "  *g = 2 + &3;\n" + " " * 13 + "^\n")

    def test_default_output_and_formats_agree(self):
        blink = os.path.join(EXAMPLES, "blink.c")
        self.assertEqual(run(blink, cwd=self.cwd).returncode, 0)
        self.assertOnlyFiles("blink.hex")
        hexwords = words_of("hex", self.read("blink.hex"))
        self.assertEqual(hexwords[:2], [0x00F3F, 0x3003E])  # LOAD sF,3F; CALL _main
        for out, fmt, extra in (("b.mem", "mem", []), ("b.mif", "mif", []), ("b.txt", "mif", ["--format=mif"])):
            self.assertEqual(run(blink, "-o", out, *extra, cwd=self.cwd).returncode, 0)
            self.assertEqual(words_of(fmt, self.read(out)), hexwords, out)
        for out, head in (("prog.v", "module prog"), ("prog.vhd", "entity prog is")):
            run(blink, "-o", out, cwd=self.cwd)
            self.assertIn(head, self.read(out))

    def test_assembly_input_listing_and_standard_input(self):
        psm = self.write("p.psm", "start: LOAD s0,01\n  JUMP start ; loop\n")
        r = run(psm, "--listing=p.lst", cwd=self.cwd)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual(self.read("p.hex").split()[:3], ["00001", "34000", "00000"])
        self.assertRegex(self.read("p.lst"), r"000\s+00001\s+.*start: LOAD s0,01\n001\s+34000\s+.*JUMP start ; loop")
        self.assertEqual(run("-", "--size", cwd=self.cwd, stdin=b"void main() { }\n").returncode, 0)
        self.assertOnlyFiles("a.hex", "p.hex", "p.lst", "p.psm")

    def test_errors_leave_no_output_file(self):
        cases = {
            "c.c": "void main() { x = 1; }\n",                       # compile error
            "a.c": "void main() { asm {\n FOO s0\n} }\n",            # assembler error
            "big.c": "char g;\nvoid main() {\n" + "  g = g * 3;\n" * 400 + "}\n",  # too large
            "v.psm": "ADDRESS 3FE\nLOAD s0,01\nLOAD s0,02\nADDRESS 3FF\nJUMP 000\n",  # over the vector
        }
        for name, text in cases.items():
            src = self.write(name, text)
            for args in ([], ["-S"], ["--listing=l.lst"]):
                if name == "c.c" or args != ["-S"]:
                    r = run(src, *args, cwd=self.cwd)
                    self.assertEqual(r.returncode, 1, (name, args))
                    self.assertOnlyFiles(*cases.keys() & set(os.listdir(self.cwd)))
        self.assertRegex(run("big.c", cwd=self.cwd).stderr.decode(),
                         r"error: the program needs(.|\n)*note: -O makes the code smaller")
        self.assertEqual(run("-S", "big.c", "-o", "-", cwd=self.cwd).returncode, 0)  # text only: no budget
        self.assertIn("v.psm:5: error: the code reaches the interrupt vector at 3FF", run("v.psm", cwd=self.cwd).stderr.decode())
        r = run(os.path.join(self.cwd, "nowhere.c"))
        self.assertEqual((r.returncode, r.stderr.decode()),
                         (1, "tarvel: error: input file %s/nowhere.c not fined \n" % self.cwd))

    def test_bad_command_lines(self):
        cases = [
            (["-x", "a.c"], "unknown option '-x'"),
            (["a.c", "-o"], "missing file name after '-o'"),
            (["a.c", "b.c"], "a second input file 'b.c' (one file is built at a time)"),
            ([], "no input file"),
            (["a.c", "--format=elf"], "unknown format 'elf' (hex, mem, mif, vhdl or verilog)"),
            (["-S", "a.psm"], "-S with the assembly input 'a.psm': there is nothing to compile"),
            (["-Wshadow", "a.c"], "unknown warning option '-Wshadow'"),
        ]
        for args, message in cases:
            r = run(*args)
            self.assertEqual((r.returncode, r.stderr.decode()),
                             (2, "tarvel: error: " + message + "\nTry 'tarvel --help' for more information.\n"))
        self.assertIn(b"usage: tarvel", run("--help").stdout)
        self.assertEqual(run("--version").returncode, 0)

    def test_size_report_of_the_examples(self):
        for src in SOURCES:
            r = run(src, "--size", "-o", os.path.join(self.cwd, "t.hex"))
            report = r.stderr.decode()
            self.assertTrue(r.returncode == 0 and report.startswith("program memory: ") and "warning" not in report, report)
            if src.endswith("irq.c"):
                self.assertRegex(report, r"program memory: 59 of 1024 words")
                for row in ("start-up code", "interrupt entry", "my_irq", "main", "interrupt vector",
                            "data memory: 4 of 64 bytes of statics", "(main; interrupt +1)",
                            "call stack: up to 3 of 31 return addresses"):
                    self.assertIn(row, report)
            if src.endswith("pid.c"):
                self.assertIn("data stack: up to 14 of 54 bytes (main > pid_step > clamp), 40 left", report)
                self.assertRegex(report, r"div16x16 +35  run-time routine")


@unittest.skipUnless(shutil.which("cpp"), "no C preprocessor on the PATH")
class Preprocessor(Scratch):
    def error(self, *args):
        r = run(*args, "-S", "-o", os.path.join(self.cwd, "out.psm"))
        self.assertEqual(r.returncode, 1, r.stderr)
        self.assertFalse(os.path.exists(os.path.join(self.cwd, "out.psm")))
        return r.stderr.decode()

    def test_board_variants_run_in_the_simulator(self):
        psm = os.path.join(self.cwd, "chaser.psm")
        for flags, port, steps in (([], "02", 17), (["-DBOARD_B"], "04", 9)):
            self.assertEqual(run(*flags, "-S", os.path.join(EXAMPLES, "board", "chaser.c"), "-o", psm).returncode, 0)
            sim = subprocess.run([TARVELSIM, "--dump", psm], capture_output=True, text=True)
            writes = [l for l in sim.stdout.splitlines() if len(l) == 5 and l[2] == " "]
            self.assertEqual((sim.returncode, len(writes), {w[:2] for w in writes}), (0, steps, {port}), sim.stderr)

    def test_markers_and_options(self):
        self.write("inc/bad.h", "void f() { x = 1; }\n")
        main = self.write("first.c", "#include \"inc/bad.h\"\nvoid main() { }\n")
        self.assertIn(os.path.join(self.cwd, "inc/bad.h") + ":1:", self.error(main))
        main = self.write("blank.c", "#define N 1\nchar g;\n" + "\n" * 30 + "void main() { g = N + y; }\n")
        err = self.error(main)
        self.assertIn(main + ":33:", err)
        self.assertIn("\nvoid main() { g = N + y; }\n", err)  # the line as written, not as expanded
        self.write("body.h", "  g = 1;\n  g = 2;\n")
        main = self.write("mid.c", "char g;\nvoid main() {\n#include \"body.h\"\n  g = z;\n}\n")
        self.assertIn(main + ":4:", self.error(main))
        # -I, -D and -U reach it, and -E shows its output with our markers.
        self.write("hdr/port.h", "#define PORT 5\n")
        main = self.write("opt.c", "#include <port.h>\nchar g;\nvoid main() { g = PORT + EXTRA + __TARVEL__; }\n")
        r = run("-E", "-Ihdr", "-DEXTRA=3", main, cwd=self.cwd)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("g = 5 + 3 + 1;", r.stdout.decode())
        self.assertIn("@%s:1:\nchar g;" % main, r.stdout.decode())
        err = self.error("-I", os.path.join(self.cwd, "hdr"), "-DEXTRA=3", "-UEXTRA", main)
        self.assertIn('var or const "EXTRA" is not declared', err)  # -U undoes a -D given before it

    def test_asm_blocks_pass_unchanged(self):
        body = "char g;\nvoid main() {\n  asm {\n    LOAD s0,01 ; don't // keep\n    LOAD s1,G // not C\n  }\n  g = 1;\n}\n"
        want = subprocess.run([TARVELCC, self.write("plain.c", body)], capture_output=True).stdout
        r = run("-S", self.write("macro.c", "#define G 7\n" + body), "-o", "-")
        self.assertEqual((r.returncode, r.stdout), (0, want))
        self.assertIn(b"    LOAD s0,01 ; don't // keep\n    LOAD s1,G // not C\n", want)
        # Directives inside a block still choose between its lines.
        chosen = self.write("chosen.c", "void main() {\n  asm {\n#ifdef FAST\n    LOAD s0,01\n#else\n"
                                        "    LOAD s0,02\n#endif\n  }\n}\n")
        self.assertIn(b"LOAD s0,01", run("-DFAST", "-S", chosen, "-o", "-").stdout)
        self.assertIn(b"LOAD s0,02", run("-S", chosen, "-o", "-").stdout)

    def test_preprocessor_errors(self):
        err = self.error(self.write("miss.c", "#include \"missing.h\"\nvoid main() { }\n"))
        self.assertRegex(err, r"miss\.c:1:10: error: missing\.h: No such file or directory")
        self.assertNotIn("compilation terminated", err)
        main = self.write("open.c", "#if 1\nvoid main() { }\n")
        self.assertIn("error: unterminated #if", self.error(main))
        self.assertEqual(self.error("--cpp=/no/such/cpp", main),
                         "tarvel: error: cannot run the C preprocessor '/no/such/cpp': "
                         "No such file or directory (install one, or name it with --cpp=CMD)\n")
        env = dict(os.environ, CPP="/no/such/cpp2")
        self.assertIn(b"'/no/such/cpp2'", run("-S", main, "-o", "-", env=env).stderr)
        self.assertIn(b"unterminated #if", run("--cpp=cpp", "-S", main, "-o", "-", env=env).stderr)


class Warnings(Scratch):
    def compile(self, text, *args, image=False):
        path = self.write("w.c", text)
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
        lines = self.compile("char t;\nvoid main() {\n\tif (t < 0) t = 1;\n}\n").stderr.decode().splitlines()
        self.assertEqual(lines[1:], ["\tif (t < 0) t = 1;", "\t         ^"])
        self.assertTrue(lines[0].startswith(os.path.join(self.cwd, "w.c") + ":3:11: warning: '<' compares as unsigned"))
        # A line marker names another file: its line is read from disk, or left out.
        self.write("inc.c", "\nchar k = 1;\n")
        r = run("-S", "-o", "-", "-", cwd=self.cwd, stdin=b"@inc.c:2:char k = 1;\n@gone.c:7:char m = 1;\n")
        lines = r.stderr.decode().splitlines()
        self.assertEqual(lines[:3], ["inc.c:2:8: warning: the initial value of 'k' is not stored: the variable "
                                     "starts with whatever memory holds; assign it in code [-Wstatic-init]",
                                     "char k = 1;", "       ^"])
        self.assertRegex("\n".join(lines[3:]), r"^gone\.c:7:8: warning: [^\n]*\]$")

    def test_options(self):
        src = HEAD + "char m = 1;\nvoid main() { x = x >> 1; }\n"
        self.assertEqual(warnings_in(self.compile(src, "-Wno-static-init").stderr), ["shift-signed"])
        self.assertEqual(warnings_in(self.compile(src, "-Wno-static-init", "-Wall").stderr),
                         ["static-init", "shift-signed"])
        r = self.compile(src, "-Werror", "-Wno-shift-signed")
        self.assertEqual((r.returncode, r.stdout, warnings_in(r.stderr)), (1, b"", ["static-init"]))
        self.assertIn(":3:8: error: the initial value", r.stderr.decode())
        self.assertEqual(self.compile(src, "-Werror", "-Wno-error").returncode, 0)
        # The budget warnings are selectable and -Werror stops the image.
        deep = "".join("void f%d() { int a; f%d(); }\n" % (i, i - 1) for i in range(1, 40))
        deep = "void f0() { }\n" + deep + "void main() { f39(); }\n"
        self.assertEqual(self.compile(deep, "-Werror", "-Wno-stack", image=True).returncode, 1)
        self.assertNotIn("w.hex", os.listdir(self.cwd))
        r = self.compile(deep, image=True)
        self.assertEqual(warnings_in(r.stderr), ["stack", "call-depth"])
        self.assertIn("warning: the call stack can overflow: up to 41 return addresses of 31", r.stderr.decode())
        self.assertIn("warning: the data stack can overflow: up to 119 bytes, 64 free", r.stderr.decode())
        self.assertEqual(warnings_in(self.compile(deep, "-Wno-stack", image=True).stderr), ["call-depth"])

    def test_code_does_not_depend_on_the_warnings(self):
        noisy = self.write("noisy.c", "char mode = 2;\nint one() { return 1; }\n" + HEAD + "void main() {\n" +
                           "\n".join(bad for bad, _ in CASES.values() if "asm" not in bad) + "\n}\n")
        for src in SOURCES + [noisy]:
            want = subprocess.run([TARVELCC, src], capture_output=True).stdout
            for flags in [[]] + [["-Wno-" + n] for n in NAMES]:
                self.assertEqual(run("-S", "-o", "-", src, *flags).stdout, want, (src, flags))

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
    unittest.main(argv=sys.argv[:1], verbosity=1)
