"""Tray mode as a user meets it beside Wine's notification area: the icon and its tip, a real
double-click answered No then Yes, and the icon coming back when the notification area is
rebuilt. Mouse events are real X events (xdotool) on the Xvfb display."""
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from sdwine import PrefixTest, eventually, relay_calls, stays_running, wait_exit  # noqa: E402

QUESTION = "Are you sure you want to enter SwiftDash mode?"
NIM_ADD, NIM_DELETE = "00000000", "00000002"


class Tray(PrefixTest):
    def setUp(self):
        super().setUp()
        self.prefix.set_setting("Version", "130")  # not a first run
        self.proc = self.prefix.start("tray")
        self.icon = self.wait_icons(1)[0]

    def icons(self):
        return self.prefix.driver("trayicons")[1]

    def wait_icons(self, count):
        eventually(lambda: len(self.icons()) == count, timeout=60, what=f"{count} tray icon(s)")
        return self.icons()

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": self.prefix.env["DISPLAY"]},
                       check=True)

    def double_click_icon(self):
        x, y = int(self.icon["x"]) + 8, int(self.icon["y"]) + 8
        self.xdotool("mousemove", str(x), str(y), "sleep", "0.3", "click", "--repeat", "2",
                     "--delay", "80", "1")

    def notify_calls(self):
        return [args.split(",")[0] for args in relay_calls(self.proc, "shell32.Shell_NotifyIconA")]

    def test_tip_then_a_double_click_asks_once_no_keeps_the_icon_yes_switches(self):
        p = self.prefix
        self.xdotool("mousemove", str(int(self.icon["x"]) + 8), str(int(self.icon["y"]) + 8),
                     "sleep", "2.5")
        p.screenshot("tray-icon-tip")  # the tip reads "SwiftDash tray" and nothing more

        self.double_click_icon()
        _, controls = p.message_box("SwiftDash")
        self.assertIn(QUESTION, [c.get("text") for c in controls])
        self.assertEqual({c.get("text") for c in controls if c.get("class") == "Button"},
                         {"&Yes", "&No"})
        p.answer("SwiftDash", "&No")
        p.driver("gone", "SwiftDash", "#32770", "5000")
        self.assertFalse(p.has_window("SwiftDash", "#32770", timeout_ms=1500))  # asked once
        self.assertTrue(stays_running(self.proc, 1))
        self.assertEqual(len(self.icons()), 1)
        self.assertEqual(p.read_ini(), p.original_ini)

        self.double_click_icon()
        p.answer("SwiftDash", "&Yes")
        p.answer("Welcome to Swiftdash", "OK")  # the first switch explains itself
        wait_exit(self.proc)
        self.assertIn(b"shell=SwiftDash\r\n", p.read_ini())
        self.assertEqual(relay_calls(self.proc, "user32.ExitWindowsEx"), ["00000000,00000001"])
        self.assertEqual(self.notify_calls(), [NIM_ADD, NIM_DELETE])

    def test_a_rebuilt_notification_area_gets_the_icon_back_and_a_second_start_ends(self):
        p = self.prefix
        p.driver("traylost")  # the icon is gone, and TaskbarCreated goes round
        self.wait_icons(1)
        self.assertEqual(self.notify_calls(), [NIM_ADD, NIM_ADD])
        second = p.start("tray")
        self.assertEqual(wait_exit(second, timeout=60), 0)
        self.assertEqual(relay_calls(second, "shell32.Shell_NotifyIconA"), [])
        self.assertEqual(len(self.icons()), 1)


if __name__ == "__main__":
    unittest.main(verbosity=2)
