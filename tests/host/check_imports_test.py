"""The import check on crafted import tables: what the first Windows 95 lacks fails, named once."""
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))
from check_imports import problems  # noqa: E402

GOOD = {"KERNEL32.DLL": ["HeapAlloc", "GetShortPathNameA"], "USER32.DLL": ["MessageBoxA"]}


class ImportCheck(unittest.TestCase):
    def test_what_the_first_windows_95_has_passes_and_each_lack_fails(self):
        self.assertEqual(problems(GOOD, {"SHELL32.DLL": {"Shell_NotifyIconA"}}), [])
        for table, lazy, culprit in (
                ({**GOOD, "MSVCRT.DLL": ["strlen"]}, None, "MSVCRT.DLL"),
                ({**GOOD, "SHELL32.DLL": ["Shell_NotifyIconA"]}, None, "SHELL32.DLL"),
                ({**GOOD, "WINMM.DLL": []}, None, "WINMM.DLL"),
                ({"KERNEL32.DLL": ["GetFileAttributesExA"]}, None, "GetFileAttributesExA"),  # Windows 98
                (GOOD, {"COMCTL32.DLL": {"InitCommonControlsEx"}}, "InitCommonControlsEx")):
            with self.subTest(culprit):
                found = problems(table, lazy)
                self.assertEqual(len(found), 1, found)
                self.assertIn(culprit, found[0])


if __name__ == "__main__":
    unittest.main()
