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


class ShellMode(PrefixTest):
    def setUp(self):
        super().setUp()
        self.prefix.set_setting("Version", "130")  # not a first run
        self.proc = self.prefix.start()
        self.main = self.prefix.window("SwiftDash", "SwiftDashMain")

    def xdotool(self, *args):
        self.prefix.xdotool(*args)

    def click_at(self, x, y):
        self.xdotool("mousemove", str(x), str(y), "sleep", "0.3", "click", "1")

    def main_info(self):
        _, lines = self.prefix.driver("info", "SwiftDash", "SwiftDashMain")
        return lines[0]

    def open_exit_dialog(self):
        x, y = int(self.main["x"]), int(self.main["y"])
        self.click_at(x + 217, y + 8)  # the close button
        return self.prefix.window("Exit SwiftDash")

    def choose(self, option):
        self.prefix.driver("click", "Exit SwiftDash", option)
        time.sleep(0.5)
        self.prefix.driver("click", "Exit SwiftDash", "OK")

    def ini_shell(self):
        return [line for line in self.prefix.read_ini().split(b"\r\n") if line.startswith(b"shell")]

    def test_window_shows_at_its_place_and_a_left_drag_moves_it(self):
        self.assertEqual((self.main["x"], self.main["y"], self.main["w"], self.main["h"]),
                         ("7", "7", "228", "68"))
        self.prefix.screenshot("main-window")
        self.xdotool("mousemove", "60", "40", "sleep", "0.3", "mousedown", "1", "sleep", "0.3",
                     "mousemove", "110", "90", "sleep", "0.3", "mousemove", "160", "140",
                     "sleep", "0.5", "mouseup", "1")
        eventually(lambda: (self.main_info()["x"], self.main_info()["y"]) == ("107", "107"),
                   what="the window moved by the drag")
        self.click_at(140, 130)  # a click without a move leaves it where it is
        time.sleep(1)
        again = self.main_info()
        self.assertEqual((again["x"], again["y"]), ("107", "107"))

    def test_minimize_button_minimizes(self):
        self.click_at(7 + 202, 7 + 8)
        eventually(lambda: int(self.main_info()["style"], 16) & WS_MINIMIZE, what="minimized")
        self.assertIsNone(self.proc.poll())

    def test_enter_in_the_exit_dialog_returns_to_windows(self):
        self.open_exit_dialog()
        eventually(lambda: int(self.main_info()["style"], 16) & WS_DISABLED, what="main disabled")
        self.prefix.screenshot("exit-dialog")
        self.xdotool("key", "Return")
        wait_exit(self.proc)
        self.assertEqual(self.ini_shell(), [b"shell=explorer.exe"])
        self.assertEqual(relay_calls(self.proc, "user32.ExitWindowsEx"), ["00000000,00000001"])

    def test_restart_in_swiftdash_mode_writes_itself_then_restarts(self):
        self.open_exit_dialog()
        self.choose("Restart in SwiftDash mode")
        wait_exit(self.proc)
        self.assertEqual(self.ini_shell(), [b"shell=SwiftDash"])
        self.assertEqual(relay_calls(self.proc, "user32.ExitWindowsEx"), ["00000002,00000001"])

    def test_close_swiftdash_answered_no_then_yes(self):
        p = self.prefix
        original = p.read_ini()
        for how in ("OK", "double-click"):
            with self.subTest(how):
                self.open_exit_dialog()
                if how == "OK":
                    self.choose("Close SwiftDash")
                else:
                    p.driver("dblclick", "Exit SwiftDash", "Close SwiftDash")
                _, controls = p.message_box("SwiftDash")
                self.assertIn("Are you sure you want to close SwiftDash?",
                              [c.get("text") for c in controls])
                p.answer("SwiftDash", "&No")
                self.assertTrue(p.driver("gone", "Exit SwiftDash", "*", "20000")[0] == 0)
                eventually(lambda: not int(self.main_info()["style"], 16) & WS_DISABLED,
                           what="the main window enabled again")
                self.assertEqual(p.read_ini(), original)
                self.assertTrue(stays_running(self.proc, 1))

        self.open_exit_dialog()
        self.choose("Close SwiftDash")
        p.message_box("SwiftDash")
        p.answer("SwiftDash", "&Yes")
        wait_exit(self.proc)
        self.assertEqual(self.ini_shell(), [b"shell=explorer.exe"])
        self.assertEqual(relay_calls(self.proc, "user32.ExitWindowsEx"), [])

    def test_restart_without_system_ini_tells_the_user_and_still_restarts(self):
        os.remove(self.prefix.ini_path)
        self.open_exit_dialog()
        self.choose("Restart")
        _, controls = self.prefix.message_box("SwiftDash")
        self.assertTrue(any("Unable to find system.ini" in c.get("text", "") for c in controls))
        self.prefix.answer("SwiftDash", "OK")
        wait_exit(self.proc)
        self.assertEqual(relay_calls(self.proc, "user32.ExitWindowsEx"), ["00000002,00000001"])
        self.assertFalse(os.path.exists(self.prefix.ini_path))


if __name__ == "__main__":
    unittest.main(verbosity=2)
