"""Shell mode as a user meets it: the first run, the main window, its buttons and double-click,
leaving through the Exit dialog, close requests to every window, and the crash-loop guard, with
real mouse and keyboard events. A read-only system.ini is met in tray mode; what each command
does with it is tested on the host."""
import shutil
import subprocess
import time
from pathlib import Path

from sdwine import LOADER, PrefixTest, box_icon, eventually, relay_calls

FIRST_RUN = "It appears that you are running SwiftDash for the first time. Please set your options"
GAVE_UP = ("SwiftDash did not start properly the last two times. Explorer has been made your shell "
           "again and will come back at your next log-on; it is started now for this session.")
WS_MINIMIZE = 0x20000000
BACK_TO_EXPLORER = (b"shell=Explorer.exe", b"shell=explorer.exe")
OPTIONS, ABOUT = (["Up"] * n + ["Return"] for n in (2, 3))  # keys in the shell menu


class ShellMode(PrefixTest):
    def main(self):
        return self.prefix.window("SwiftDash", "SwiftDashMain")[0]

    def test_first_run_asks_for_the_options_then_a_second_instance_ends_silently(self):
        p = self.prefix
        proc = p.start()
        self.assertIn(FIRST_RUN, p.message_box("SwiftDash"))
        self.assertEqual(p.setting("Version"), "130")
        p.driver("click", "SwiftDash", "OK")
        p.window("Options")
        self.main()
        self.assertEqual(box_icon(proc, "first time. Please"), 0)
        self.assertEqual([args[-8:] for args in relay_calls(proc, "kernel32.RegisterServiceProcess")],
                         ["00000001"])

        second = p.start()
        self.assertEqual(second.wait(timeout=60), 0)
        self.assertEqual(relay_calls(second, "user32.MessageBoxA"), [])
        self.assertIsNone(proc.poll())

    def test_window_shows_at_its_place_opens_the_options_on_a_double_click_moves_and_minimizes(self):
        # The other double-click actions, and that OK changes it at once, are shown in-process.
        p = self.prefix
        proc = p.start_shell(DoubleClickOnMainWindow="4")
        self.assertEqual([self.main()[k] for k in "xywh"], ["7", "7", "228", "68"])
        p.screenshot("main-window")
        p.click_at(7 + 40, 7 + 40, "--repeat", "2", "1")
        # Each tab, once it is up and painted, to be looked at; the keys are tested in-process.
        for tab, frame in (("startup", "StartUp programs"), ("general", "Double-click on main window"),
                           ("paths", "Start Menu folder:")):
            eventually(lambda: any(c.get("text") == frame and c["visible"] == "1" for c in p.window("Options")[1:]),
                       what=f"the {tab} tab")
            time.sleep(1)
            p.screenshot("options-" + tab)
            p.xdotool("search", "--onlyvisible", "--name", "^Options$", "windowfocus", "sleep", "0.5", "key", "ctrl+Tab")
        p.close_window("Options")
        p.xdotool("mousemove", "60", "40", "sleep", "0.3", "mousedown", "1", "sleep", "0.3",
                  "mousemove", "110", "90", "sleep", "0.3", "mousemove", "160", "140",
                  "sleep", "0.5", "mouseup", "1")
        eventually(lambda: [self.main()[k] for k in "xy"] == ["107", "107"], what="the window moved by the drag")
        p.click_at(107 + 202, 107 + 8)  # the minimize button
        eventually(lambda: int(self.main()["style"], 16) & WS_MINIMIZE, what="minimized")
        self.assertIsNone(proc.poll())

    def test_switch_writes_a_name_the_16_bit_loader_can_start_the_log_on_starts_it_and_enter_returns(self):
        # SwiftDash is nine letters: the line gets the exe's short name; SWD stays as it is.
        # Each other option of the Exit dialog is shown in-process; the opening one is taken here.
        p = self.prefix
        shutil.copy(Path(p.windows, "SwiftDash.exe"), Path(p.windows, "SWD.EXE"))
        for exe in ("SWD.EXE", "SwiftDash.exe"):
            p.set_settings(Version="130", DisableSwitchMessage="1")
            proc = p.start("switch", exe=f"C:\\windows\\{exe}")
            proc.wait(timeout=60)
            p.session_ended()
            self.assertEqual(relay_calls(proc, "user32.ExitWindowsEx"), ["00000000,00000001"])  # log off
            name, shell = p.log_on()
            self.assertEqual(p.ini.read_bytes(), p.original_ini.replace(b"shell=Explorer.exe", b"shell=" + name.encode()))
            self.assertRegex(name, "^SWD$" if exe == "SWD.EXE" else "^[A-Z0-9_]{1,7}~[A-Z0-9_~]{1,6}$")
            self.assertLessEqual(len(name), 8)
            self.main()  # shell mode, started from the line
        p.screenshot("logged-on-from-the-short-name")
        p.click_at(7 + 217, 7 + 8)  # the close button
        p.window("Exit SwiftDash")
        p.screenshot("exit-dialog")
        p.xdotool("key", "Return")
        shell.wait(timeout=60)
        p.session_ended()
        self.assertEqual(relay_calls(shell, "user32.ExitWindowsEx"), ["00000000,00000001"])  # log off
        self.assertEqual(p.ini.read_bytes(), p.original_ini.replace(*BACK_TO_EXPLORER))
        self.assertEqual(p.log_on(), ("explorer", None))
        self.assertEqual(p.setting("UnfinishedShellStarts"), "0")  # an orderly end

    def test_a_log_off_clears_the_guards_count_and_two_starts_killed_early_give_explorer_back(self):
        # The count cleared by a shell that runs on is shown in-process.
        p = self.prefix
        p.ini.write_bytes(p.original_ini.replace(b"shell=Explorer.exe", b"shell=SwiftDash"))
        proc = p.start_shell()
        subprocess.run([LOADER, "wineboot", "--end-session", "--shutdown"], env=p.env)  # another's log-off
        proc.wait(timeout=60)
        p.session_ended()
        self.assertEqual(p.setting("UnfinishedShellStarts"), "0")

        for _ in range(2):
            proc = p.start_shell()
            proc.kill()  # the loader's process is the Windows process: SIGKILL, no orderly end
            proc.wait(timeout=60)
        proc = p.start()
        self.assertIn(GAVE_UP, p.message_box("SwiftDash"))
        p.screenshot("guard-gave-up")
        p.driver("click", "SwiftDash", "OK")
        self.assertEqual(proc.wait(timeout=60), 0)
        self.assertEqual(p.ini.read_bytes(), p.original_ini.replace(*BACK_TO_EXPLORER))
        self.assertEqual(box_icon(proc, "did not start properly"), 0x40)  # MB_ICONINFORMATION
        [started] = relay_calls(proc, "kernel32.CreateProcessA")
        self.assertIn('"explorer.exe"', started)
        self.assertEqual(p.setting("UnfinishedShellStarts"), "0")

    def test_shift_held_at_the_start_skips_the_start_up_list(self):
        # That the list runs without Shift is shown by the menus' start-up scenario. Wine learns
        # of a key from the X window it reaches, and SwiftDash has none yet: the press goes to
        # a Notepad, as on Windows to whatever has the focus.
        p = self.prefix
        p.start(exe="notepad.exe")
        p.window("Untitled - Notepad")
        p.xdotool("search", "--name", "Untitled - Notepad", "windowfocus", "--sync", "keydown", "shift")
        try:
            proc = p.start_shell(StartUpItem0="C:\\windows\\sddriver.exe")
        finally:
            p.xdotool("keyup", "shift")
        self.assertEqual(relay_calls(proc, "kernel32.CreateProcessA"), [])

    def test_close_requests_to_every_window_leave_the_shell_window_and_its_dialogs(self):
        # What a task killer does. The main window's answer is the Exit dialog, as its close
        # button's; the hidden owner of the dialogs and the menus' host ignore theirs.
        p = self.prefix
        proc = p.start_shell()
        p.right_click()  # the menus' host is made on first use
        p.xdotool("key", "Escape")
        p.driver("closeall", "", "SwiftDashMain")
        p.close_window("Exit SwiftDash")
        for keys, title in ((OPTIONS, "Options"), (ABOUT, "About SwiftDash")):
            p.right_click()
            p.xdotool("key", "--delay", "150", *keys)
            p.close_window(title)
        p.click_at(7 + 217, 7 + 8)  # the close button
        p.close_window("Exit SwiftDash")
        self.main()
        self.assertIsNone(proc.poll())
