"""The shell's crash-loop guard and the Shift key at a shell-mode start, on the real exe."""
import subprocess

from sdwine import LOADER, PrefixTest, box_icon, eventually, relay_calls

GAVE_UP = ("SwiftDash did not start properly the last two times. Explorer has been made your shell "
           "again and will come back at your next log-on; it is started now for this session.")
COUNT = "UnfinishedShellStarts"


class Guard(PrefixTest):
    def setUp(self):
        super().setUp()
        self.prefix.write_ini(self.prefix.original_ini.replace(b"shell=Explorer.exe", b"shell=SwiftDash"))

    def test_an_orderly_end_clears_the_count_and_two_starts_killed_early_give_explorer_back(self):
        p = self.prefix
        # The log-off that ExitWindowsEx starts in Wine, asked for by another program. The Exit
        # dialog's orderly ends are checked to clear the count in the shell-mode scenarios.
        proc = p.start_shell()
        subprocess.run([LOADER, "wineboot", "--end-session", "--shutdown"], env=p.env)
        proc.wait(timeout=60)
        p.session_ended()
        self.assertEqual(p.setting(COUNT), "0")

        for _ in range(2):
            proc = p.start_shell()
            proc.kill()  # the loader's process is the Windows process: SIGKILL, no orderly end
            proc.wait(timeout=60)
        proc = p.start()
        self.assertIn(GAVE_UP, p.message_box("SwiftDash"))
        p.screenshot("guard-gave-up")
        p.answer("SwiftDash", "OK")
        self.assertEqual(proc.wait(timeout=60), 0)
        self.assertEqual(p.read_ini(),
                         p.original_ini.replace(b"shell=Explorer.exe", b"shell=explorer.exe"))
        self.assertEqual(box_icon(proc, "did not start properly"), 0x40)  # MB_ICONINFORMATION
        [started] = relay_calls(proc, "kernel32.CreateProcessA")
        self.assertIn('"explorer.exe"', started)
        self.assertEqual(p.setting(COUNT), "0")

    def test_shift_held_at_the_start_skips_the_start_up_list(self):
        # That the list runs without Shift is shown by the menus' start-up scenario.
        p = self.prefix
        # Wine learns of a key from the X window it reaches, and SwiftDash has none yet: the
        # press goes to a Notepad, as on Windows to whatever has the focus.
        p.start(exe="notepad.exe")
        p.window("Untitled - Notepad")
        p.xdotool("search", "--name", "Untitled - Notepad", "windowfocus", "--sync")
        p.xdotool("keydown", "shift")
        try:
            proc = p.start_shell(StartUpItem0="C:\\windows\\sddriver.exe", StartUpFolder="C:\\windows")
        finally:
            p.xdotool("keyup", "shift")
        self.assertEqual(relay_calls(proc, "kernel32.CreateProcessA"), [])
        # Running on, the start counts as one that got going once its timer has fired.
        self.assertEqual(p.setting(COUNT), "1")
        eventually(lambda: p.setting(COUNT) == "0", timeout=90, what="the count cleared")
        self.assertIsNone(proc.poll())
