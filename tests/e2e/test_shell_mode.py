"""Shell mode as a user meets it: the main window, its buttons, and leaving through the Exit
dialog. The mouse and keyboard are real X events (xdotool) on the Xvfb display."""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from sdwine import PrefixTest, eventually, relay_calls, stays_running, wait_exit  # noqa: E402

WS_MINIMIZE = 0x20000000
WS_DISABLED = 0x08000000
LOG_OFF, REBOOT = ["00000000,00000001"], ["00000002,00000001"]  # ExitWindowsEx's arguments


class ShellMode(PrefixTest):
    def setUp(self):
        super().setUp()
        self.proc = self.prefix.start_shell()

    def main_style(self):
        return int(self.prefix.window("SwiftDash", "SwiftDashMain")["style"], 16)

    def open_exit_dialog(self):
        self.prefix.click_at(7 + 217, 7 + 8)  # the close button
        self.prefix.window("Exit SwiftDash")

    def choose(self, option):
        self.prefix.driver("click", "Exit SwiftDash", option)
        time.sleep(0.5)
        self.prefix.driver("click", "Exit SwiftDash", "OK")

    def ended(self, calls):
        """The program ended in order: the session end it asked for, and no start counted."""
        wait_exit(self.proc)
        self.prefix.session_ended()
        self.assertEqual(relay_calls(self.proc, "user32.ExitWindowsEx"), calls)
        self.assertEqual(self.prefix.setting("UnfinishedShellStarts"), "0")

    def ini_shell(self):
        return [line for line in self.prefix.read_ini().split(b"\r\n") if line.startswith(b"shell")]

    def test_window_shows_at_its_place_moves_by_a_left_drag_and_minimizes(self):
        p = self.prefix
        main = p.window("SwiftDash", "SwiftDashMain")
        self.assertEqual((main["x"], main["y"], main["w"], main["h"]), ("7", "7", "228", "68"))
        p.screenshot("main-window")
        p.xdotool("mousemove", "60", "40", "sleep", "0.3", "mousedown", "1", "sleep", "0.3",
                  "mousemove", "110", "90", "sleep", "0.3", "mousemove", "160", "140",
                  "sleep", "0.5", "mouseup", "1")
        where = lambda: tuple(p.window("SwiftDash", "SwiftDashMain")[k] for k in ("x", "y"))  # noqa: E731
        eventually(lambda: where() == ("107", "107"), what="the window moved by the drag")
        p.click_at(140, 130)  # a click without a move leaves it where it is
        time.sleep(1)
        self.assertEqual(where(), ("107", "107"))
        p.click_at(107 + 202, 107 + 8)  # the minimize button
        eventually(lambda: self.main_style() & WS_MINIMIZE, what="minimized")
        self.assertIsNone(self.proc.poll())

    def test_close_swiftdash_answered_no_then_yes(self):
        p = self.prefix
        self.open_exit_dialog()
        self.choose("Close SwiftDash")
        self.assertIn("Are you sure you want to close SwiftDash?", p.message_box("SwiftDash"))
        p.answer("SwiftDash", "&No")
        self.assertTrue(p.gone("Exit SwiftDash"))
        eventually(lambda: not self.main_style() & WS_DISABLED, what="the main window enabled again")
        self.assertEqual(p.read_ini(), p.original_ini)
        self.assertTrue(stays_running(self.proc, 1))

        self.open_exit_dialog()
        self.choose("Close SwiftDash")
        p.message_box("SwiftDash")
        p.answer("SwiftDash", "&Yes")
        self.ended([])
        self.assertEqual(self.ini_shell(), [b"shell=explorer.exe"])

    def test_enter_in_the_exit_dialog_returns_to_windows(self):
        self.open_exit_dialog()
        eventually(lambda: self.main_style() & WS_DISABLED, what="main disabled")
        self.prefix.screenshot("exit-dialog")
        self.prefix.xdotool("key", "Return")
        self.ended(LOG_OFF)
        self.assertEqual(self.ini_shell(), [b"shell=explorer.exe"])

    def test_restart_in_swiftdash_mode_writes_itself_then_restarts(self):
        # Each option's command, and a restart without a system.ini, are shown in-process and
        # on the host.
        self.open_exit_dialog()
        self.choose("Restart in SwiftDash mode")
        self.ended(REBOOT)
        self.assertEqual(self.ini_shell(), [b"shell=SwiftDash"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
