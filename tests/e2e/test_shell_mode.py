"""Shell mode as a user meets it: the main window, its buttons, and leaving through the Exit
dialog, with real mouse and keyboard events."""
import time

from sdwine import PrefixTest, eventually, relay_calls

WS_MINIMIZE, WS_DISABLED = 0x20000000, 0x08000000


class ShellMode(PrefixTest):
    def setUp(self):
        super().setUp()
        self.proc = self.prefix.start_shell()

    def main(self):
        return self.prefix.window("SwiftDash", "SwiftDashMain")

    def disabled(self):
        return int(self.main()["style"], 16) & WS_DISABLED

    def test_window_shows_at_its_place_moves_by_a_left_drag_and_minimizes(self):
        p = self.prefix
        self.assertEqual([self.main()[k] for k in "xywh"], ["7", "7", "228", "68"])
        p.screenshot("main-window")
        p.xdotool("mousemove", "60", "40", "sleep", "0.3", "mousedown", "1", "sleep", "0.3",
                  "mousemove", "110", "90", "sleep", "0.3", "mousemove", "160", "140",
                  "sleep", "0.5", "mouseup", "1")
        eventually(lambda: [self.main()[k] for k in "xy"] == ["107", "107"], what="the window moved by the drag")
        p.click_at(140, 130)  # a click without a move leaves it where it is
        time.sleep(1)
        self.assertEqual([self.main()[k] for k in "xy"], ["107", "107"])
        p.click_at(107 + 202, 107 + 8)  # the minimize button
        eventually(lambda: int(self.main()["style"], 16) & WS_MINIMIZE, what="minimized")
        self.assertIsNone(self.proc.poll())

    def test_close_answered_no_changes_nothing_and_enter_returns_to_windows(self):
        # Each option's command is shown in-process; the opening choice is the one taken here.
        p = self.prefix
        p.click_at(7 + 217, 7 + 8)  # the close button
        p.driver("click", "Exit SwiftDash", "Close SwiftDash")
        time.sleep(0.5)
        p.driver("click", "Exit SwiftDash", "OK")
        self.assertIn("Are you sure you want to close SwiftDash?", p.message_box("SwiftDash"))
        p.answer("SwiftDash", "&No")
        self.assertTrue(p.gone("Exit SwiftDash"))
        eventually(lambda: not self.disabled(), what="the main window enabled again")
        self.assertEqual(p.read_ini(), p.original_ini)

        p.click_at(7 + 217, 7 + 8)
        eventually(self.disabled, what="the main window disabled behind the dialog")
        p.screenshot("exit-dialog")
        p.xdotool("key", "Return")
        self.proc.wait(timeout=60)
        p.session_ended()
        self.assertEqual(relay_calls(self.proc, "user32.ExitWindowsEx"), ["00000000,00000001"])  # log off
        self.assertEqual(p.read_ini(), p.original_ini.replace(b"shell=Explorer.exe", b"shell=explorer.exe"))
        self.assertEqual(p.setting("UnfinishedShellStarts"), "0")  # an orderly end
