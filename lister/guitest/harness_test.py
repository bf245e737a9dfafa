"""The harness reads the driver's answers: escapes undone in texts, an error answer shown as it
came, whatever backslashes a Windows path in it holds."""

import io
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
from harness import Driver, Failure, unescape  # noqa: E402


class FakeProcess:
    def __init__(self, answer):
        self.stdin = io.StringIO()
        self.stdout = io.StringIO(answer + "\r\n")


class HarnessTest(unittest.TestCase):
    def test_unescape(self):
        for escaped, text in [(r"Zeile 1\nZeile 2\tTab", "Zeile 1\nZeile 2\tTab"),
                              (r"C:\\Spiele", "C:\\Spiele"), (r"Z:\work\x", r"Z:\work\x"),
                              ("am Ende \\", "am Ende \\")]:
            self.assertEqual(unescape(escaped), text)

    def test_error_answer_as_it_came(self):
        answer = r"error cannot start Z:\\work\\build\\Q7Lister.exe (1359)"
        driver = Driver.__new__(Driver)
        driver.process = FakeProcess(answer)
        with self.assertRaises(Failure) as raised:
            driver.ask(r"start Z:\work\build\Q7Lister.exe")
        self.assertTrue(str(raised.exception).endswith(answer), str(raised.exception))


if __name__ == "__main__":
    unittest.main()
