"""The import check itself, on crafted import tables: what the first Windows 95 lacks fails."""
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))
from check_imports import problems  # noqa: E402

GOOD = {"KERNEL32.DLL": ["HeapAlloc", "GetShortPathNameA"], "USER32.DLL": ["MessageBoxA"]}


class ImportCheck(unittest.TestCase):
    def test_the_four_start_up_dlls_with_documented_functions_pass(self):
        self.assertEqual(problems(GOOD, {"SHELL32.DLL": {"Shell_NotifyIconA"}}), [])

    def test_msvcrt_a_direct_shell32_and_newer_functions_fail(self):
        for table, lazy, culprit in (
                ({**GOOD, "MSVCRT.DLL": ["strlen"]}, None, "MSVCRT.DLL"),
                ({**GOOD, "SHELL32.DLL": ["Shell_NotifyIconA"]}, None, "SHELL32.DLL"),
                ({"KERNEL32.DLL": ["GetFileAttributesExA"]}, None, "GetFileAttributesExA"),  # Windows 98
                ({"KERNEL32.DLL": ["IsDebuggerPresent"]}, None, "IsDebuggerPresent"),
                ({"USER32.DLL": ["TrackMouseEvent"]}, None, "TrackMouseEvent"),
                (GOOD, {"COMCTL32.DLL": {"InitCommonControlsEx"}}, "InitCommonControlsEx")):
            with self.subTest(culprit):
                found = problems(table, lazy)
                self.assertEqual(len(found), 1, found)
                self.assertIn(culprit, found[0])


if __name__ == "__main__":
    unittest.main()
