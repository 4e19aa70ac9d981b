"""A test case with a scratch folder of its own, for the driver's tests."""
import os
import tempfile
import unittest


class ScratchCase(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.cwd = self.dir.name

    def tearDown(self):
        self.dir.cleanup()

    def write(self, name, text):
        """Writes a file below the scratch folder; returns its path."""
        path = os.path.join(self.cwd, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(text)
        return path
