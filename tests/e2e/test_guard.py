"""The shell's crash-loop guard and the Shift key at a shell-mode start, on the real exe: two
starts killed in their first seconds make the third give Explorer back; starts that end in
order never count; Shift held (a real key press on the Xvfb display) skips the start-up list."""
import os
import signal
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from sdwine import PrefixTest, eventually, relay_calls, wait_exit  # noqa: E402

GAVE_UP = ("SwiftDash did not start properly the last two times. Explorer has been made your shell "
           "again and will come back at your next log-on; it is started now for this session.")
COUNT = "UnfinishedShellStarts"
MB_ICONINFORMATION = 0x40


class Guard(PrefixTest):
    def setUp(self):
        super().setUp()
        p = self.prefix
        p.set_setting("Version", "130")  # not a first run
        with open(p.ini_path, "wb") as f:
            f.write(p.original_ini.replace(b"shell=Explorer.exe\r\n", b"shell=SwiftDash\r\n"))

    def start_shell(self):
        proc = self.prefix.start()
        self.prefix.window("SwiftDash", "SwiftDashMain")
        return proc

    def after_session_end(self):
        eventually(lambda: not self.prefix.prefix_processes("wineboot.exe"), timeout=60,
                   what="the end of the Wine session")
        self.prefix.server()

    def started(self, proc):
        return relay_calls(proc, "kernel32.CreateProcessA")

    def test_two_starts_killed_early_make_the_third_give_explorer_back(self):
        p = self.prefix
        for _ in range(2):
            proc = self.start_shell()
            for pid in p.prefix_processes("SwiftDash.exe"):
                os.kill(pid, signal.SIGKILL)
            wait_exit(proc)
        self.assertEqual(p.setting(COUNT), "2")

        proc = p.start()
        _, controls = p.message_box("SwiftDash")
        self.assertIn(GAVE_UP, [c.get("text") for c in controls])
        p.screenshot("guard-gave-up")
        p.answer("SwiftDash", "OK")
        self.assertEqual(wait_exit(proc), 0)
        self.assertEqual(p.read_ini(), p.original_ini.replace(b"shell=Explorer.exe", b"shell=explorer.exe"))
        boxes = relay_calls(proc, "user32.MessageBoxA")
        self.assertEqual(len(boxes), 1)
        self.assertEqual(int(boxes[0].rsplit(",", 1)[1], 16) & 0xF0, MB_ICONINFORMATION)
        starts = self.started(proc)
        self.assertEqual(len(starts), 1)
        self.assertIn('"explorer.exe"', starts[0])
        self.assertEqual(p.setting(COUNT), "0")
        self.assertEqual(relay_calls(proc, "kernel32.RegisterServiceProcess")[-1][-9:], ",00000000")

    def test_starts_that_end_in_order_never_count(self):
        # Each end is checked to leave no count behind, so two rounds of each way prove what a
        # longer row would: a way that failed to clear would show at once.
        p = self.prefix
        for how in ("log-off", "exit", "log-off", "exit"):
            with self.subTest(how):
                proc = self.start_shell()
                if how == "log-off":  # Windows ends the session, as a log-off from elsewhere
                    subprocess.run(["/usr/lib/wine/wine", "wineboot", "--end-session", "--shutdown"],
                                   env=p.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                else:  # the close request opens the Exit dialog; OK returns to Windows
                    p.driver("post", "SwiftDash", "0x10", "0", "0")
                    p.window("Exit SwiftDash")
                    p.driver("click", "Exit SwiftDash", "OK")
                wait_exit(proc)
                self.after_session_end()
                self.assertEqual(p.setting(COUNT), "0")

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": self.prefix.env["DISPLAY"]},
                       check=True)

    def test_shift_held_at_the_start_skips_the_start_up_list(self):
        p = self.prefix
        for shift in (True, False):
            if not shift:
                self.setUp()
            p.set_setting("StartUpItem0", "C:\\windows\\sddriver.exe")
            p.set_setting("StartUpFolder", "C:\\windows")
            if shift:
                # Wine learns of a key from the X window it reaches, and no SwiftDash window
                # exists yet: the press goes to a Notepad in the prefix, as it would go to
                # whatever had the focus on Windows.
                p.start(exe="notepad.exe", name="notepad")
                p.window("Untitled - Notepad")
                self.xdotool("search", "--name", "Untitled - Notepad", "windowfocus", "--sync")
                self.xdotool("keydown", "shift")
            try:
                proc = self.start_shell()
            finally:
                if shift:
                    self.xdotool("keyup", "shift")
            if shift:
                self.assertEqual(self.started(proc), [])
        starts = self.started(proc)
        self.assertEqual(len(starts), 2, starts)
        self.assertIn('"C:\\\\windows\\\\sddriver.exe"', starts[0])
        self.assertIn('"explorer C:\\\\windows"', starts[1])
        # Running on, the start counts as one that got going after its twenty seconds.
        self.assertEqual(p.setting(COUNT), "1")
        eventually(lambda: p.setting(COUNT) == "0", timeout=90, what="the count cleared by the timer")
        self.assertIsNone(proc.poll())


if __name__ == "__main__":
    unittest.main(verbosity=2)
