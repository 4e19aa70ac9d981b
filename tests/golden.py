#!/usr/bin/env python3
"""Golden outputs: what the compiler writes for fixed inputs, kept as data
under tests/golden/:
  examples/NAME.s   the translation of examples/NAME.c
  cases/NAME.txt    for each case of tests/cases/NAME.c (a "//--- file.c"
                    line, then its text, compiled on its own as file.c): its
                    exit status, standard error and, after a complete
                    translation, standard output

use: golden.py TARVELCC list|regenerate|check GOLDEN
After a deliberate change of the compiler's output, run "regenerate" and
review the diff line by line before committing it.
"""
import difflib
import os
import pathlib
import re
import subprocess
import sys
import tempfile

TESTS = pathlib.Path(__file__).resolve().parent
ROOT = TESTS.parent
GOLDEN = TESTS / "golden"
SEPARATOR = re.compile(rb"^//--- (\S+)\n", re.M)


def compile_case(cc, name, text, folder):
    """One case compiled from inside `folder`, so diagnostics show `name`."""
    (folder / name).write_bytes(text)
    run = subprocess.run([cc, name], cwd=folder, capture_output=True, timeout=60)
    # A run that fails may leave a partial translation on standard output;
    # only its diagnostic and status are kept.
    result = b"=== %s: status %d\n" % (name.encode(), run.returncode)
    if run.returncode == 0:
        result += run.stdout
    if run.stderr:
        result += b"--- stderr\n" + run.stderr
    return result


def case_file_result(cc, source):
    """The results of every case of one case file, in order."""
    parts = SEPARATOR.split(source.read_bytes())
    with tempfile.TemporaryDirectory() as folder:
        return b"".join(compile_case(cc, parts[i].decode(), parts[i + 1], pathlib.Path(folder))
                        for i in range(1, len(parts), 2))


def goldens():
    """Every golden file with the function that produces its content."""
    found = {}
    for source in sorted((ROOT / "examples").glob("*.c")):
        found["examples/%s.s" % source.stem] = lambda cc, s=source: subprocess.run(
            [cc, str(s)], capture_output=True, check=True, timeout=60).stdout
    for source in sorted((TESTS / "cases").glob("*.c")):
        found["cases/%s.txt" % source.stem] = lambda cc, s=source: case_file_result(cc, s)
    return found


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    cc, command = os.path.abspath(sys.argv[1]), sys.argv[2]
    table = goldens()
    if command == "list":
        print("\n".join(table))
    elif command == "regenerate":
        for name, produce in table.items():
            (GOLDEN / name).parent.mkdir(parents=True, exist_ok=True)
            (GOLDEN / name).write_bytes(produce(cc))
    elif command == "check":
        name = sys.argv[3]
        want = (GOLDEN / name).read_bytes().decode("latin-1").splitlines(True)
        got = table[name](cc).decode("latin-1").splitlines(True)
        if want != got:
            sys.stdout.writelines(difflib.unified_diff(want, got, "golden/" + name, "fresh run"))
            sys.exit("%s differs from a fresh run: regenerate it if the change is meant" % name)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
