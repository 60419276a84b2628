"""SwiftDash mode on the NT family: Wine posing as Windows XP and as Windows 10, whose log-on
(the session script's) reads the per-user Shell value, else the machine-wide one; and as
Windows NT 4.0, which refuses the switch. Each family's switch once, shared between the two poses."""
import os
import re
import subprocess

from sdwine import ROOT, PrefixTest, eventually, relay_calls

WINLOGON = r"HKCU\Software\Microsoft\Windows NT\CurrentVersion\Winlogon"
EXE = r"C:\windows\SwiftDash.exe"
WATCHED = ("user32.ExitWindowsEx;user32.MessageBoxA;kernel32.CreateProcessA;advapi32.AdjustTokenPrivileges;"
           "user32.SetShellWindow")
LOG_OFF, RESTART = ["00000000,00000001"], ["00000002,00000001"]


class PosingAs(PrefixTest):
    windows = "win98"

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        for key, name, value in ((r"HKCU\Software\Wine", "Version", cls.windows),
                                 (r"HKCU\Software\Wine\Debug", "RelayInclude", WATCHED)):
            assert cls.prefix.run("reg", "add", key, "/v", name, "/d", value, "/f")[0] == 0

    def setUp(self):
        super().setUp()
        self.prefix.run("reg", "delete", WINLOGON, "/v", "Shell", "/f")
        self.prefix.set_settings(Version="130", DisableSwitchMessage="1")

    def user_shell(self):
        found = re.search(r"Shell\s+REG_SZ\s+(.*?)\r?$", self.prefix.run("reg", "query", WINLOGON, "/v", "Shell")[1], re.M)
        return found and found.group(1)

    def next_logon(self):
        """What the session script's next log-on starts."""
        return subprocess.run(["bash", os.path.join(ROOT, "tools", "session.sh"), "--next-shell", self.prefix.path],
                              capture_output=True, text=True, check=True, timeout=120).stdout.strip()

    def log_on(self):
        """The next log-on: SwiftDash's main window comes up, and it has taken the shell window."""
        proc = self.prefix.start(exe=self.next_logon())
        self.prefix.window("SwiftDash", "SwiftDashMain")
        eventually(lambda: relay_calls(proc, "user32.SetShellWindow"), what="the shell window taken")
        return proc

    def ended(self, proc, session_end):
        """proc ended the session so, leaving system.ini alone."""
        proc.wait(timeout=60)
        self.prefix.session_ended()
        self.assertEqual(relay_calls(proc, "user32.ExitWindowsEx"), session_end)
        self.assertEqual(self.prefix.ini.read_bytes(), self.prefix.original_ini)

    def exit_with(self, proc, option):
        p = self.prefix
        p.click_at(7 + 217, 7 + 8)  # the close button
        p.window("Exit SwiftDash")
        p.driver("click", "Exit SwiftDash", option)
        p.driver("click", "Exit SwiftDash", "OK")


class WindowsXP(PosingAs):
    windows = "winxp"

    def test_switch_replaces_another_program_logs_on_into_shell_mode_and_returns_to_windows(self):
        p = self.prefix
        p.run("reg", "add", WINLOGON, "/v", "Shell", "/d", r"C:\windows\notepad.exe", "/f")
        switch = p.start("switch")
        self.ended(switch, LOG_OFF)
        self.assertEqual(self.user_shell(), EXE)

        p.set_settings(StartUpFolder=r"C:\Program Files")
        proc = self.log_on()
        p.window("Program Files")  # a folder window: under Wine, Explorer never takes the desktop here
        p.close_window("Program Files")
        p.screenshot("xp-shell-mode")
        self.exit_with(proc, "Return to Windows")
        self.ended(proc, LOG_OFF)
        self.assertIsNone(self.user_shell())
        self.assertEqual(self.next_logon(), "explorer.exe")  # the machine's own choice

    def test_two_starts_killed_early_give_explorer_back_by_deleting_the_value(self):
        p = self.prefix
        p.run("reg", "add", WINLOGON, "/v", "Shell", "/d", EXE, "/f")
        for _ in range(2):
            proc = self.log_on()
            proc.kill()
            proc.wait(timeout=60)
        proc = p.start(exe=self.next_logon())
        self.assertIn("did not start properly the last two times", " ".join(p.message_box("SwiftDash")))
        p.driver("click", "SwiftDash", "OK")
        self.ended(proc, [])
        self.assertIsNone(self.user_shell())
        [started] = relay_calls(proc, "kernel32.CreateProcessA")
        self.assertIn('"explorer.exe"', started)


class Windows10(PosingAs):
    windows = "win10"

    def test_tray_double_click_yes_switches_and_restart_asks_for_the_privilege(self):
        p = self.prefix
        tray = p.start("tray")
        eventually(lambda: len(p.driver("trayicons")[1]) == 1, 60, "the tray icon")
        icon = p.driver("trayicons")[1][0]
        p.click_at(int(icon["x"]) + 8, int(icon["y"]) + 8, "--repeat", "2", "--delay", "80", "1")
        self.assertIn("Are you sure you want to enter SwiftDash mode?", p.message_box("SwiftDash"))
        p.driver("click", "SwiftDash", "&Yes")
        self.ended(tray, LOG_OFF)
        self.assertEqual(self.user_shell(), EXE)

        proc = self.log_on()
        self.exit_with(proc, "Restart")
        self.ended(proc, RESTART)
        self.assertTrue(relay_calls(proc, "advapi32.AdjustTokenPrivileges"))
        self.assertIsNone(self.user_shell())


class WindowsNT4(PosingAs):
    windows = "nt40"

    def test_switch_says_what_is_needed_and_does_not_log_off(self):
        p = self.prefix
        proc = p.start("switch")
        self.assertIn("SwiftDash mode needs Windows 95, 98, Me or Windows 2000 and later.",
                      " ".join(p.message_box("SwiftDash")))
        p.driver("click", "SwiftDash", "OK")
        self.assertEqual(proc.wait(timeout=60), 0)
        self.assertEqual(relay_calls(proc, "user32.ExitWindowsEx"), [])
        self.assertIsNone(self.user_shell())
        self.assertEqual(p.ini.read_bytes(), p.original_ini)
