#!/usr/bin/env python3
"""tarvelsim as a bench on compiled examples: C lines, breakpoints, watches,
the prompt, cycles and time, timed input, interrupts, the waveform, images.
use: bench_test.py TARVELSIM TARVEL SOURCE_DIR [VCD2FST]
With VCD2FST only the round trip through the viewer's format runs.
"""
import os
import re
import subprocess
import sys
import tempfile
import unittest

SIM, TARVEL, SOURCE = (os.path.abspath(p) for p in sys.argv[1:4])
VCD2FST = sys.argv[4] if len(sys.argv) > 4 else None
EX = os.path.join(SOURCE, "examples")
BLINK = os.path.join(EX, "blink.c")
SOURCES = [os.path.join(EX, n) for n in sorted(os.listdir(EX)) if n.endswith(".c")]


def sim(*args, stdin=None):
    r = subprocess.run([SIM, *args], input=stdin, capture_output=True, text=True, timeout=120)
    return r.returncode, r.stdout, r.stderr


class Scratch(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def file(self, name, text):
        path = os.path.join(self.dir.name, name)
        with open(path, "w") as f:
            f.write(text)
        return path

    def read(self, path):
        with open(path) as f:
            return f.read()


class Debugging(Scratch):
    def test_stops_faults_and_trace_name_the_c_line(self):
        bad = self.file("f.c", "char n;\nvoid down() { n = n + 1; down(); }\nvoid main() { down(); }\n")
        status, _, err = sim(bad)
        self.assertEqual(status, 3)
        self.assertRegex(err, r"f\.c:2 \(f\.psm:\d+\): fault: call stack overflow")
        self.assertTrue(sim("--trace", "--steps", "12", BLINK)[1].splitlines()[-1].endswith("blink.c:25"))
        # C errors print as the driver prints them.
        status, _, err = sim(self.file("bad.c", "void main() {\n  x = 1;\n}\n"))
        self.assertEqual(status, 1)
        self.assertRegex(err, r"^\S*bad\.c:2: error: ")

    def test_listing_shows_the_c_line_only_with_g(self):
        lst = os.path.join(self.dir.name, "b.lst")
        for g, expect in ((["-g"], True), ([], False)):
            subprocess.run([TARVEL, *g, BLINK, "-o", os.path.join(self.dir.name, "b.hex"),
                            "--listing=" + lst], check=True)
            self.assertEqual(bool(re.search(r"^[0-9A-F]{3} [0-9A-F]{5}  \S*blink\.c:24 +XOR", self.read(lst), re.M)),
                             expect)

    def stop_line(self, *args):
        status, out, err = sim(*args)
        self.assertEqual(status, 5, err)
        return re.search(r"^\w+ at .*", out, re.M).group(0)

    def test_every_kind_of_breakpoint(self):
        self.assertRegex(self.stop_line("--break", "main", BLINK),
                         r"main at \S*blink\.c:22 \(blink\.psm:\d+\), address 0[0-9A-F]{2}")
        self.assertIn("blink.c:24 ", self.stop_line("--break", "blink.c:24", BLINK))
        self.assertIn("show at", self.stop_line("--break", "blink.c:11", BLINK))  # no code: next line
        after_prologue = self.stop_line("--break", "delay", BLINK)
        self.assertIn("blink.c:10", after_prologue)
        address = re.search(r"address (\w+)", after_prologue).group(1)
        self.assertEqual(self.stop_line("--break", address, BLINK), after_prologue)
        self.assertNotIn("blink.c", self.stop_line("--break", "_delay", BLINK))  # the label: prologue
        for place in ("nowhere", "other.c:3", "blink.c:999"):
            self.assertEqual(sim("--break", place, BLINK)[0], 2, place)

    def test_watch_reports_whole_values(self):
        status, out, _ = sim("--watch", "buf[3]", os.path.join(EX, "ringbuf.c"))
        self.assertEqual(status, 5)
        self.assertRegex(out, r"watch buf\[3\]: 0 -> 12, changed at \S*ringbuf\.c:\d+")
        # A two-byte store is two STOREs: the watch sees the value, not half of it.
        wide = self.file("w.c", "int v;\nvoid main() {\n  v = 4660;\n  v = -2;\n}\n")
        self.assertIn("watch v: 0 -> 4660, changed at", sim("--watch", "v", wide)[1])
        self.assertEqual(sim("--watch", "nothing", wide)[0], 2)

    def test_script_drives_the_prompt(self):
        script = ("break delay\ncontinue\nbacktrace\nfinish\nnext\nstep\nstep\nprint led\n"
                  "stepi\ndelete 1\nwatch led\ncontinue\nprint buf\nbogus\nquit\n")
        status, out, _ = sim("--interactive", "--clock", "50MHz", BLINK, stdin=script)
        self.assertEqual(status, 0)
        replies = out.split("(tarvelsim) ")[1:]
        self.assertEqual(len(replies), 15)
        brk, cont, bt, fin, nxt, step1, step2, led, stepi, _, watch, cont2, buf, bogus = replies[:14]
        self.assertRegex(brk, r"^breakpoint 1 at \S*blink\.c:10 ")
        self.assertIn("delay at", cont)
        self.assertRegex(bt, r"#0  delay at \S*blink\.c:10.*\n#1  main at \S*blink\.c:26.*\n#2  start-up code")
        self.assertRegex(fin, r"^main at \S*blink\.c:26 .*cycle \d+ \(7\.\d+ ms\)")
        self.assertIn("blink.c:24 ", nxt)
        self.assertIn("blink.c:25 ", step1)
        self.assertRegex(step2, r"^show at \S*blink\.c:15 .*\n.*\n.*\nZ=0 C=0 IE=0 depth=2")
        self.assertEqual(led, "led = 0\n")
        self.assertNotEqual(re.search(r"blink\.psm:\d+", step2).group(0),
                            re.search(r"blink\.psm:\d+", stepi).group(0))
        self.assertIn("watch led: 0 -> 1, changed at", cont2)
        self.assertTrue(buf.startswith("error:") and bogus.startswith("error: unknown command"))


class TimeAndPorts(Scratch):
    def test_cycles_and_clock(self):
        status, _, err = sim("--clock", "50MHz", "--cycles", "1000", "--dump", BLINK)
        self.assertEqual(status, 4)
        self.assertRegex(err, "cycle limit reached.*cycle 1000 \\(20 us\\), 500 instructions")
        status, out, _ = sim("--steps", "100", "--dump", BLINK)
        self.assertEqual((status, "steps=100 cycles=200 " in out), (4, True))
        self.assertEqual(sim("--clock", "fast", BLINK)[0], 2)

    def test_timed_input_is_held_and_missing_values_warned_once(self):
        prog = self.file("p.psm", "loop: INPUT s0,01\n OUTPUT s0,10\n JUMP loop\n")
        script = self.file("in.txt", "01 07\nat 20 cycles port 01 = 3B\nat 1us port 01=3A ; 10 cycles\n"
                                    "at 20 cycles port 01 = 3C ; the later line wins\n")
        status, out, err = sim("--clock", "10MHz", "--cycles", "36", "--in", script, prog)
        self.assertEqual(out.split(), "10 07 10 00 10 3A 10 3A 10 3C 10 3C".split())
        self.assertEqual(err.count("warning: INPUT from port 01"), 1)
        _, out, _ = sim("--stamps", "--clock", "10MHz", "--cycles", "8", "--in", script, prog)
        self.assertEqual(out.splitlines()[0], "10 07  @ cycle 2 (200 ns)")
        for bad in ("at 2ms port 01 = 3A\n", "01 07\nat soon port 01 = 3A\n"):
            status, _, err = sim("--in", self.file("bad.txt", bad), prog)
            self.assertEqual(status, 1)
            self.assertRegex(err, r"bad\.txt:\d+: ")

    def test_interrupt_requests_wait_for_enable_and_one_shots_end(self):
        pending = self.file("p.psm", """
                LOAD s0,00
        wait:   ADD s0,01
                COMPARE s0,20
                JUMP NZ,wait      ; about 200 cycles with interrupts off
                ENABLE INTERRUPT
                LOAD s2,01        ; runs after the handler
        end:    JUMP end
        handler: ADD s3,01
                LOAD s1,s2
                RETURNI DISABLE
                ADDRESS 3FF
                JUMP handler
        """)
        status, out, _ = sim("--irq-at", "5", "--irq-at", "7", "--dump", pending)
        self.assertEqual(status, 0)
        self.assertIn("s0=20 s1=00 s2=01 s3=01", out)  # two requests, one interrupt
        idle = self.file("i.psm", "ENABLE INTERRUPT\nidle: JUMP idle\nh: ADD s3,01\nRETURNI ENABLE\n"
                         "ADDRESS 3FF\nJUMP h\n")
        status, out, _ = sim("--irq-at", "100", "--irq-at", "200", "--dump", idle)
        self.assertEqual(status, 0)  # nothing more can come: the idle loop ends
        self.assertIn("s3=02", out)
        status, out, _ = sim("--irq-every", "100us", "--clock", "1MHz", "--steps", "1000", "--dump",
                             os.path.join(EX, "irq.c"))
        # 1000 instructions and 20 interrupt entries of two cycles each: the
        # requests at 100, 200, .. 2000 were all taken.
        self.assertIn("cycles=2040 ", out)
        self.assertIn("ticks = 20\n", out)


def read_vcd(text):
    """{name: [(time, value)]} and the timescale, from a dump as written."""
    header, body = text.split("$enddefinitions $end\n")
    names = dict(re.findall(r"\$var wire \d+ (\S+) (\S+)", header))
    changes, now = {n: [] for n in names.values()}, None
    for line in body.splitlines():
        if line.startswith("#"):
            t = int(line[1:])
            assert now is None or t > now, "time goes backwards"
            now = t
        elif line[0] in "b01x":
            value, code = line[1:].split() if line[0] == "b" else (line[0], line[1:])
            changes[names[code]].append((now, value))
    return changes, re.search(r"\$timescale\s+(\S+)\s+\$end", header).group(1)


class Outputs(Scratch):
    def test_blink_period_from_the_waveform(self):
        vcd = os.path.join(self.dir.name, "b.vcd")
        status, _, _ = sim("--clock", "50MHz", "--cycles", "3000000", "--vcd", vcd,
                           "--vcd-global", "led", "--vcd-irq", "--irq-every", "1000000", BLINK)
        self.assertEqual(status, 4)
        changes, scale = read_vcd(self.read(vcd))
        self.assertEqual(scale, "1ps")
        led = [t for t, v in changes["port_02"] if "x" not in v]
        self.assertGreaterEqual(len(led), 5)
        half = {b - a for a, b in zip(led[1:], led[2:])}
        self.assertEqual(half, {7002160000})  # 350108 cycles of 20 ns: the LED period is 14.004 ms
        self.assertEqual([v for _, v in changes["led"]][:3], ["00000000", "00000001", "00000000"])
        self.assertEqual(changes["irq"][:2], [(0, "0"), (20000000000, "1")])  # never taken: held
        # --vcd-irq needs --vcd; an unwritable waveform is an error.
        self.assertEqual(sim("--vcd-irq", BLINK)[0], 2)
        status, _, err = sim("--steps", "10", "--vcd", "/nonexistent/b.vcd", BLINK)
        self.assertEqual(status, 1)
        self.assertIn("cannot write the waveform", err)

    def test_hex_and_mem_images_run_like_the_text(self):
        # Output, registers, data memory and status; the globals need the
        # text's memory map.
        psm, *images = (os.path.join(self.dir.name, "p." + ext) for ext in ("psm", "hex", "mem"))
        for src, args in ((src, args) for src in SOURCES for args in ([], ["--irq-every", "37"])):
            for out in [psm] + images:
                subprocess.run([TARVEL, *(["-S", src] if out == psm else [psm]), "-o", out], check=True)
            runs = [sim("--dump", "--steps", "200000", *args, p) for p in [psm] + images]
            for image, (status, out, _) in zip(images, runs[1:]):
                self.assertEqual((status, out.split("globals:")[0]), (runs[0][0], runs[0][1].split("globals:")[0]),
                                 (src, image, args))


class RoundTrip(Scratch):
    def test_viewer_tools_read_the_dump_back(self):
        vcd, fst = (os.path.join(self.dir.name, n) for n in ("b.vcd", "b.fst"))
        sim("--clock", "50MHz", "--cycles", "1500000", "--vcd", vcd, "--vcd-global", "led",
            "--vcd-irq", "--irq-every", "100000", BLINK)
        r = subprocess.run([VCD2FST, vcd, fst], capture_output=True, text=True)
        self.assertEqual((r.returncode, r.stderr), (0, ""))
        back = subprocess.run([os.path.join(os.path.dirname(VCD2FST), "fst2vcd"), fst],
                              capture_output=True, text=True, check=True).stdout
        self.assertEqual(read_vcd(back), read_vcd(self.read(vcd)))


if __name__ == "__main__":
    tests = unittest.defaultTestLoader.loadTestsFromTestCase
    cases = [RoundTrip] if VCD2FST else [Debugging, TimeAndPorts, Outputs]
    result = unittest.TextTestRunner(verbosity=1).run(unittest.TestSuite(map(tests, cases)))
    sys.exit(not result.wasSuccessful())
