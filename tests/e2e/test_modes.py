"""Shell mode and tray mode as a user meets them, with real mouse and keyboard events: the first run,
the main window, the switch and back on 98 and XP, the crash-loop guard, the tray icon."""
import time

from sdwine import LOG_OFF, SETTINGS, PrefixTest, eventually, relay_calls

BACK_TO_EXPLORER = (b"shell=Explorer.exe", b"shell=explorer.exe")
WINLOGON = r"HKCU\Software\Microsoft\Windows NT\CurrentVersion\Winlogon"


class Modes(PrefixTest):
    def test_first_run_then_the_window_opens_the_options_on_a_double_click_moves_and_minimizes(self):
        self.set_settings(DoubleClickOnMainWindow="4")  # the Options dialog; still a first run
        proc = self.start()
        self.assertIn("It appears that you are running SwiftDash for the first time. Please set your options",
                      self.message_box("SwiftDash"))
        self.assertEqual(self.reg_value(SETTINGS, "Version"), "130")  # asked once
        self.driver("click", "SwiftDash", "OK")
        self.close_window("Options")
        self.assertEqual([a[-8:] for a in relay_calls(proc, "kernel32.RegisterServiceProcess")], ["00000001"])
        self.assertEqual(self.start().wait(timeout=60), 0)  # a second instance, silently
        self.assertEqual(relay_calls(self.processes[-1], "user32.MessageBoxA"), [])
        self.assertEqual([self.main_window()[k] for k in "xywh"], ["7", "7", "228", "68"])
        self.screenshot("main-window")
        self.double_click_at(7 + 40, 7 + 40)
        self.window("Options")
        for tab in ("startup", "general", "paths"):  # their keys are tested in-process
            time.sleep(1.5)  # up and painted
            self.screenshot("options-" + tab)
            self.xdotool("search", "--onlyvisible", "--name", "^Options$", "windowfocus", "sleep", "0.5",
                         "key", "ctrl+Tab")
        self.close_window("Options")
        self.xdotool("mousemove", "60", "40", "sleep", "0.3", "mousedown", "1", "sleep", "0.3", "mousemove", "110",
                     "90", "sleep", "0.3", "mousemove", "160", "140", "sleep", "0.5", "mouseup", "1")
        eventually(lambda: [self.main_window()[k] for k in "xy"] == ["107", "107"], what="moved by the drag")
        self.click_at(107 + 202, 107 + 8)  # the minimize button
        eventually(lambda: int(self.main_window()["style"], 16) & 0x20000000, what="minimized")  # WS_MINIMIZE
        self.assertIsNone(proc.poll())

    def test_switch_writes_a_name_the_16_bit_loader_can_start_the_log_on_starts_it_and_enter_returns(self):
        # SwiftDash is nine letters: the line gets the exe's 8.3 short name; SWD stays as it is.
        (self.ini.parent / "SWD.EXE").write_bytes((self.ini.parent / "SwiftDash.exe").read_bytes())
        for exe, short_name in (("SWD.EXE", "^SWD$"), ("SwiftDash.exe", "^(?=.{1,8}$)[A-Z0-9_]{1,7}~[A-Z0-9_~]+$")):
            self.set_settings(Version="130", DisableSwitchMessage="1")
            self.assertEqual(self.end_session(self.start("switch", exe=f"C:\\windows\\{exe}")), LOG_OFF)
            shell, name = self.log_on()
            self.assertRegex(name, short_name)
            self.assertEqual(self.ini.read_bytes(), self.original_ini.replace(b"=Explorer.exe", b"=" + name.encode()))
            self.main_window()
        self.exit_dialog()
        self.screenshot("exit-dialog")
        self.xdotool("key", "Return")
        self.assertEqual(self.end_session(shell), LOG_OFF)
        self.assertEqual(self.ini.read_bytes(), self.original_ini.replace(*BACK_TO_EXPLORER))
        self.assertEqual(self.log_on(), (None, "explorer.exe"))

    def test_on_xp_switch_replaces_another_programs_value_logs_on_into_shell_mode_and_restart_returns(self):
        # Wine poses as XP: the session script's log-on reads the per-user Shell value, else the machine's.
        self.run_wine("reg", "add", r"HKCU\Software\Wine", "/v", "Version", "/d", "winxp", "/f")
        self.addCleanup(self.run_wine, "reg", "add", r"HKCU\Software\Wine", "/v", "Version", "/d", "win98", "/f")
        self.run_wine("reg", "add", WINLOGON, "/v", "Shell", "/d", r"C:\windows\notepad.exe", "/f")
        self.set_settings(Version="130", DisableSwitchMessage="1")
        self.assertEqual(self.end_session(self.start("switch")), LOG_OFF)
        self.assertEqual(self.reg_value(WINLOGON, "Shell"), r"C:\windows\SwiftDash.exe")
        proc, _ = self.log_on()
        self.main_window()
        eventually(lambda: relay_calls(proc, "user32.SetShellWindow"), what="the shell window taken")
        self.screenshot("xp-shell-mode")
        self.exit_dialog()
        self.driver("click", "Exit SwiftDash", "Restart")
        self.driver("click", "Exit SwiftDash", "OK")
        self.assertEqual(self.end_session(proc), ["00000002,00000001"])  # EWX_REBOOT
        self.assertTrue(relay_calls(proc, "advapi32.AdjustTokenPrivileges"))
        self.assertIsNone(self.reg_value(WINLOGON, "Shell"))
        self.assertEqual(self.log_on(), (None, "explorer.exe"))  # the machine's own choice
        self.assertEqual(self.ini.read_bytes(), self.original_ini)

    def test_two_starts_killed_early_give_explorer_back(self):
        for _ in range(2):
            self.start_shell().kill()  # the loader's process is the Windows process: no orderly end
            self.processes[-1].wait(timeout=60)
        proc = self.start()
        self.assertIn("SwiftDash did not start properly the last two times. Explorer has been made your shell again "
                      "and will come back at your next log-on; it is started now for this session.",
                      self.message_box("SwiftDash"))
        self.screenshot("guard-gave-up")
        self.driver("click", "SwiftDash", "OK")
        self.assertEqual(proc.wait(timeout=60), 0)
        self.assertEqual(self.ini.read_bytes(), self.original_ini.replace(*BACK_TO_EXPLORER))
        [started] = relay_calls(proc, "kernel32.CreateProcessA")
        self.assertIn('"explorer.exe"', started)

    def test_the_tray_menu_leads_to_system_information_and_two_double_clicks_ask_once_and_yes_switches(self):
        self.set_settings(Version="130")
        proc = self.start("tray")
        eventually(lambda: len(self.driver("trayicons")[1]) == 1, 60, "the tray icon")
        at = [str(int(self.driver("trayicons")[1][0][k]) + 8) for k in "xy"]  # its middle
        self.xdotool("mousemove", *at, "sleep", "0.3", "mousedown", "3")
        self.window("", "#32768", 8000)  # the menu is up on the right press, before the release
        self.xdotool("mouseup", "3")
        self.screenshot("tray-menu")
        self.xdotool("key", "--delay", "150", "Up", "Up", "Up", "Return")
        self.window("About SwiftDash")
        time.sleep(0.5)
        self.screenshot("about")
        self.driver("click", "About SwiftDash", "Sys Info")
        eventually(lambda: self.window("System Information")[-1]["text"] != "0", what="the first figures")
        self.screenshot("system-information")
        self.close_window("System Information")

        self.double_click_at(*at)
        self.assertIn("Are you sure you want to enter SwiftDash mode?", self.message_box("SwiftDash"))
        self.double_click_at(*at)  # while the box is up
        time.sleep(2)
        self.assertEqual(len(relay_calls(proc, "user32.MessageBoxA")), 1)
        self.driver("click", "SwiftDash", "&Yes")
        self.driver("click", "Welcome to Swiftdash", "OK")  # the first switch explains itself
        self.assertEqual(self.end_session(proc), LOG_OFF)
        self.assertRegex(self.ini.read_bytes(), rb"\nshell=[A-Z0-9_]{1,7}~[A-Z0-9_~]+\r\n")  # the short name
        # NIM_ADD, then NIM_DELETE: the icon removed
        self.assertEqual([a[:8] for a in relay_calls(proc, "shell32.Shell_NotifyIconA")], ["00000000", "00000002"])
