"""The real SwiftDash.exe started with each command line in a Windows-98-like prefix."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from sdwine import PrefixTest, box_icon, relay_calls, stays_running, wait_exit  # noqa: E402

WELCOME = ("This is the first time you are switching to SwiftDash mode. Windows is going to Log Off, "
           "press OK when it asks for a password and you will se a small SwiftDash window. To bring "
           "the main menu, right click on that window.")
FIRST_RUN = "It appears that you are running SwiftDash for the first time. Please set your options"
MB_ICONINFORMATION = 0x40


class Startup(PrefixTest):
    def test_switch_explains_rewrites_the_shell_line_and_logs_off(self):
        # That the explanation comes once only is a rule of the settings, shown on the host.
        p = self.prefix
        proc = p.start("switch")
        self.assertIn(WELCOME, p.message_box("Welcome to Swiftdash"))
        self.assertEqual(p.setting("DisableSwitchMessage"), "1")  # written before the box
        p.answer("Welcome to Swiftdash", "OK")
        wait_exit(proc)
        self.assertEqual(box_icon(proc, "first time you are switching"), MB_ICONINFORMATION)
        expected = p.original_ini.replace(b"shell=Explorer.exe\r\n", b"shell=SwiftDash\r\n")
        self.assertEqual(p.read_ini(), expected)
        self.assertEqual(relay_calls(proc, "user32.ExitWindowsEx"), ["00000000,00000001"])
        self.assertFalse(os.path.exists(os.path.join(p.windows, "temp11.tmp")))
        # Wine poses as Windows 98 here, so the file was replaced by the two renames of the
        # road without MoveFileEx: old file aside, new file in, old file deleted.
        moves = relay_calls(proc, "kernel32.MoveFileA")
        self.assertEqual(len(moves), 2, moves)
        self.assertIn("temp11.bak", moves[0])
        self.assertIn("temp11.tmp", moves[1])

    def test_shell_mode_first_run_then_a_second_instance_ends_silently(self):
        p = self.prefix
        proc = p.start()
        self.assertIn(FIRST_RUN, p.message_box("SwiftDash"))
        self.assertEqual(p.setting("Version"), "130")
        p.answer("SwiftDash", "OK")
        p.window("Options")
        main = p.window("SwiftDash", "SwiftDashMain")
        self.assertEqual((int(main["w"]), int(main["h"])), (228, 68))
        self.assertEqual(box_icon(proc, "first time. Please"), 0)
        registered = relay_calls(proc, "kernel32.RegisterServiceProcess")
        self.assertEqual(len(registered), 1)
        self.assertTrue(registered[0].endswith(",00000001"), registered)

        second = p.start()
        self.assertEqual(wait_exit(second, timeout=60), 0)
        self.assertEqual(relay_calls(second, "user32.MessageBoxA"), [])
        self.assertIsNone(proc.poll())

    def test_a_word_in_another_case_shows_the_window_and_nothing_else(self):
        p = self.prefix
        proc = p.start("Tray")
        p.window("SwiftDash", "SwiftDashMain")
        self.assertTrue(stays_running(proc, 2))
        self.assertFalse(p.has_window("SwiftDash", "#32770"))
        self.assertIsNone(p.setting("Version"))
        self.assertEqual(relay_calls(proc, "shell32.Shell_NotifyIconA"), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
