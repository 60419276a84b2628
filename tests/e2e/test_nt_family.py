"""SwiftDash mode on the NT family: Wine posing as Windows XP and as Windows 10, whose log-on
(the session script's) reads the per-user Shell value, else the machine-wide one; and as
Windows NT 4.0, which refuses the switch. Each road once, shared between the two poses."""
import os
import re
import subprocess

from sdwine import ROOT, PrefixTest, eventually, relay_calls

WINLOGON = r"HKCU\Software\Microsoft\Windows NT\CurrentVersion\Winlogon"
EXE = r"C:\windows\SwiftDash.exe"
WATCHED = ("user32.ExitWindowsEx;user32.MessageBoxA;kernel32.CreateProcessA;advapi32.AdjustTokenPrivileges;"
           "user32.SetShellWindow;kernel32.OpenEventA")
GAVE_UP = "SwiftDash did not start properly the last two times."
TRAY_YES = ("Are you sure you want to enter SwiftDash mode?", "&Yes")


class PosingAs(PrefixTest):
    windows = "win98"

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        p = cls.prefix
        for key, name, value in ((r"HKCU\Software\Wine", "Version", cls.windows),
                                 (r"HKCU\Software\Wine\Debug", "RelayInclude", WATCHED)):
            assert p.run("reg", "add", key, "/v", name, "/d", value, "/f")[0] == 0

    def setUp(self):
        super().setUp()
        self.prefix.run("reg", "delete", WINLOGON, "/v", "Shell", "/f")
        self.prefix.set_settings(Version="130", DisableSwitchMessage="1")

    def user_shell(self):
        """The per-user value as 'TYPE text', or None."""
        found = re.search(r"Shell\s+(REG_\w+)\s+(.*?)\r?$", self.prefix.run("reg", "query", WINLOGON, "/v", "Shell")[1],
                          re.M)
        return found and f"{found.group(1)} {found.group(2)}"

    def plant(self, kind, value):
        assert self.prefix.run("reg", "add", WINLOGON, "/v", "Shell", "/t", kind, "/d", value, "/f")[0] == 0

    def next_logon(self):
        """What the session script's next log-on starts."""
        return subprocess.run(["bash", os.path.join(ROOT, "tools", "session.sh"), "--next-shell", self.prefix.path],
                              capture_output=True, text=True, check=True, timeout=120).stdout.strip()

    def log_on(self):
        """The next log-on, as the session script makes it: SwiftDash's main window must come up."""
        proc = self.prefix.start(exe=self.next_logon())
        self.prefix.window("SwiftDash", "SwiftDashMain")
        # It took the shell window, so that an Explorer started now opens a folder window.
        eventually(lambda: relay_calls(proc, "user32.SetShellWindow"), what="the shell window taken")
        return proc

    def exit_with(self, proc, option):
        p = self.prefix
        p.click_at(7 + 217, 7 + 8)  # the close button
        p.window("Exit SwiftDash")
        p.driver("click", "Exit SwiftDash", option)
        p.driver("click", "Exit SwiftDash", "OK")
        proc.wait(timeout=60)
        p.session_ended()

    def assert_ini_untouched(self):
        self.assertEqual(self.prefix.ini.read_bytes(), self.prefix.original_ini)


class WindowsXP(PosingAs):
    windows = "winxp"

    def test_switch_replaces_another_program_logs_on_into_shell_mode_and_returns_to_windows(self):
        p = self.prefix
        self.plant("REG_SZ", r"C:\windows\notepad.exe")
        switch = p.start("switch")
        self.assertEqual(switch.wait(timeout=60), 0)
        p.session_ended()
        self.assertEqual(relay_calls(switch, "user32.ExitWindowsEx"), ["00000000,00000001"])  # log off
        self.assertEqual(self.user_shell(), f"REG_SZ {EXE}")
        self.assert_ini_untouched()

        self.assertEqual(self.next_logon(), EXE)
        p.set_settings(StartUpFolder=r"C:\Program Files")
        proc = self.log_on()
        p.window("Program Files")  # a folder window; under Wine, Explorer never takes the desktop here
        p.close_window("Program Files")
        p.screenshot("xp-shell-mode")
        self.exit_with(proc, "Return to Windows")
        self.assertEqual(relay_calls(proc, "user32.ExitWindowsEx"), ["00000000,00000001"])
        self.assertIsNone(self.user_shell())
        self.assertEqual(self.next_logon(), "explorer.exe")  # the machine's own choice
        self.assert_ini_untouched()

    def test_two_starts_killed_early_give_explorer_back_by_deleting_the_value(self):
        p = self.prefix
        self.plant("REG_SZ", EXE)
        for _ in range(2):
            proc = self.log_on()
            proc.kill()
            proc.wait(timeout=60)
        proc = p.start(exe=self.next_logon())
        self.assertIn(GAVE_UP, " ".join(p.message_box("SwiftDash")))
        p.driver("click", "SwiftDash", "OK")
        self.assertEqual(proc.wait(timeout=60), 0)
        self.assertIsNone(self.user_shell())
        [started] = relay_calls(proc, "kernel32.CreateProcessA")
        self.assertIn('"explorer.exe"', started)
        self.assert_ini_untouched()


class Windows10(PosingAs):
    windows = "win10"

    def test_tray_double_click_yes_replaces_a_number_and_restart_asks_for_the_privilege(self):
        p = self.prefix
        self.plant("REG_DWORD", "7")
        tray = p.start("tray")
        eventually(lambda: len(p.driver("trayicons")[1]) == 1, 60, "the tray icon")
        icon = p.driver("trayicons")[1][0]
        p.click_at(int(icon["x"]) + 8, int(icon["y"]) + 8, "--repeat", "2", "--delay", "80", "1")
        self.assertIn(TRAY_YES[0], p.message_box("SwiftDash"))
        p.driver("click", "SwiftDash", TRAY_YES[1])
        tray.wait(timeout=60)
        p.session_ended()
        self.assertEqual(relay_calls(tray, "user32.ExitWindowsEx"), ["00000000,00000001"])
        self.assertEqual(self.user_shell(), f"REG_SZ {EXE}")
        self.assert_ini_untouched()

        proc = self.log_on()
        self.exit_with(proc, "Restart")
        self.assertTrue(relay_calls(proc, "advapi32.AdjustTokenPrivileges"))
        self.assertEqual(relay_calls(proc, "user32.ExitWindowsEx"), ["00000002,00000001"])  # restart
        self.assertIsNone(self.user_shell())
        self.assert_ini_untouched()


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
        self.assert_ini_untouched()
