#!/usr/bin/env python3
"""#define, #include and #if through the system's C preprocessor: line
markers, asm blocks, the options that reach it and its errors.

use: preprocess_test.py TARVEL TARVELCC TARVELSIM SOURCE_DIR
"""
import os
import subprocess
import sys
import tempfile
import unittest

from scratch import ScratchCase

TARVEL, TARVELCC, TARVELSIM, SOURCE = (os.path.abspath(p) for p in sys.argv[1:5])


def run(*args, cwd=None, env=None):
    return subprocess.run([TARVEL, *args], cwd=cwd, capture_output=True, env=env)


class Preprocessor(ScratchCase):

    def error(self, *args):
        r = run(*args, "-S", "-o", os.path.join(self.cwd, "out.psm"))
        self.assertEqual(r.returncode, 1, r.stderr)
        self.assertFalse(os.path.exists(os.path.join(self.cwd, "out.psm")))
        return r.stderr.decode()

    def test_board_variants_run_in_the_simulator(self):
        chaser = os.path.join(SOURCE, "examples", "board", "chaser.c")
        for flags, port, steps in (([], "02", 17), (["-DBOARD_B"], "04", 9)):
            psm = os.path.join(self.cwd, "chaser.psm")
            r = run(*flags, "-S", chaser, "-o", psm)
            self.assertEqual(r.returncode, 0, r.stderr)
            sim = subprocess.run([TARVELSIM, "--dump", psm], capture_output=True, text=True)
            self.assertEqual(sim.returncode, 0, sim.stderr)
            writes = [l for l in sim.stdout.splitlines() if len(l) == 5 and l[2] == " "]
            self.assertEqual(len(writes), steps)
            self.assertTrue(all(w.startswith(port + " ") for w in writes), writes)
            self.assertIn("steps = %d" % steps, sim.stdout)

    def test_markers_name_the_original_file_and_line(self):
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

    def test_asm_blocks_pass_unchanged(self):
        body = ("char g;\nvoid main() {\n  asm {\n    LOAD s0,01 ; don't // keep\n"
                "    LOAD s1,G // not C\n  }\n  g = 1;\n}\n")
        plain = self.write("plain.c", body)
        macro = self.write("macro.c", "#define G 7\n" + body)
        want = subprocess.run([TARVELCC, plain], capture_output=True, text=True).stdout
        r = run("-S", macro, "-o", "-")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("    LOAD s0,01 ; don't // keep\n    LOAD s1,G // not C\n", r.stdout.decode())
        self.assertEqual(r.stdout.decode(), want)
        # Directives inside a block still choose between its lines.
        chosen = self.write("chosen.c", "void main() {\n  asm {\n#ifdef FAST\n    LOAD s0,01\n#else\n"
                                        "    LOAD s0,02\n#endif\n  }\n}\n")
        self.assertIn(b"LOAD s0,01", run("-DFAST", "-S", chosen, "-o", "-").stdout)
        self.assertIn(b"LOAD s0,02", run("-S", chosen, "-o", "-").stdout)

    def test_options_reach_the_preprocessor(self):
        self.write("hdr/port.h", "#define PORT 5\n")
        main = self.write("opt.c", "#include <port.h>\nchar g;\nvoid main() { g = PORT + EXTRA + __TARVEL__; }\n")
        r = run("-E", "-Ihdr", "-DEXTRA=3", main, cwd=self.cwd)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("g = 5 + 3 + 1;", r.stdout.decode())
        self.assertIn("@%s:1:\nchar g;" % main, r.stdout.decode())
        self.assertIn(b"LOAD    s2,09", run("-S", "-Ihdr", "-DEXTRA=3", main, "-o", "-", cwd=self.cwd).stdout)
        # -U undoes a -D given before it.
        err = self.error("-I", os.path.join(self.cwd, "hdr"), "-DEXTRA=3", "-UEXTRA", main)
        self.assertIn('var or const "EXTRA" is not declared', err)

    def test_preprocessor_errors(self):
        main = self.write("miss.c", "#include \"missing.h\"\nvoid main() { }\n")
        err = self.error(main)
        self.assertRegex(err, r"miss\.c:1:10: error: missing\.h: No such file or directory")
        self.assertNotIn("compilation terminated", err)
        main = self.write("open.c", "#if 1\nvoid main() { }\n")
        self.assertIn("error: unterminated #if", self.error(main))
        err = self.error("--cpp=/no/such/cpp", main)
        self.assertEqual(err, "tarvel: error: cannot run the C preprocessor '/no/such/cpp': "
                              "No such file or directory (install one, or name it with --cpp=CMD)\n")
        env = dict(os.environ, CPP="/no/such/cpp2")
        r = run("-S", main, "-o", "-", env=env)
        self.assertIn(b"'/no/such/cpp2'", r.stderr)
        r = run("--cpp=cpp", "-S", main, "-o", "-", env=env)
        self.assertIn(b"unterminated #if", r.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=1)
