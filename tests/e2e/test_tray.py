"""Tray mode beside Wine's notification area: the icon and its tip, the icon back when the
notification area is rebuilt, real double-clicks asking once and answered Yes, the tray menu with
About, System Information and Close, a switch that a read-only system.ini refuses, and a close
request from the system."""
import os
import time

from sdwine import PrefixTest, box_icon, eventually, relay_calls

NIM_ADD, NIM_DELETE = "00000000", "00000002"
ABOUT, CLOSE = ["Up", "Up", "Up", "Return"], ["Up", "Return"]  # keys in the tray menu
SWIFTDASH_MODE = ["Down", "Return"]


class Tray(PrefixTest):
    def setUp(self):
        super().setUp()
        self.prefix.set_settings(Version="130")  # not a first run
        self.proc = self.prefix.start("tray")
        self.wait_icon()

    def icons(self):
        return self.prefix.driver("trayicons")[1]

    def wait_icon(self):
        """Waits for our one icon; the pointer is then aimed at its middle."""
        eventually(lambda: len(self.icons()) == 1, 60, "the tray icon")
        self.at = (int(self.icons()[0]["x"]) + 8, int(self.icons()[0]["y"]) + 8)

    def notify_calls(self):
        return [args.split(",")[0] for args in relay_calls(self.proc, "shell32.Shell_NotifyIconA")]

    def test_tip_icon_back_after_a_rebuild_and_a_double_click_switches(self):
        p = self.prefix
        p.xdotool("mousemove", *map(str, self.at), "sleep", "2.5")
        self.assertEqual(p.window("", "tooltips_class32", 20000)[0]["text"], "SwiftDash tray")
        p.screenshot("tray-icon-tip")
        p.driver("traylost")  # the icon is gone, and TaskbarCreated goes round
        self.wait_icon()
        self.assertEqual(self.notify_calls(), [NIM_ADD, NIM_ADD])

        # No, which leaves everything and is asked once, is shown in-process. Two double-clicks
        # ask once: the second comes while the box is up.
        p.click_at(*self.at, "--repeat", "2", "--delay", "80", "1")
        self.assertEqual(set(p.message_box("SwiftDash")) - {""},
                         {"Are you sure you want to enter SwiftDash mode?", "&Yes", "&No"})
        p.click_at(*self.at, "--repeat", "2", "--delay", "80", "1")
        time.sleep(2)
        self.assertEqual(len(relay_calls(self.proc, "user32.MessageBoxA")), 1)
        p.driver("click", "SwiftDash", "&Yes")
        p.driver("click", "Welcome to Swiftdash", "OK")  # the first switch explains itself
        self.proc.wait(timeout=60)
        self.assertEqual(box_icon(self.proc, "first time you are switching"), 0x40)  # MB_ICONINFORMATION
        self.assertRegex(p.ini.read_bytes(), rb"\nshell=[A-Z0-9_]{1,7}~[A-Z0-9_~]{1,6}\r\n")  # the short name
        self.assertEqual(relay_calls(self.proc, "user32.ExitWindowsEx"), ["00000000,00000001"])  # log off
        self.assertEqual(self.notify_calls(), [NIM_ADD, NIM_ADD, NIM_DELETE])

    def choose(self, keys):
        """A tray menu entry: the menu is up on the right press, before the release."""
        self.prefix.xdotool("mousemove", *map(str, self.at), "sleep", "0.3", "mousedown", "3")
        self.prefix.window("", "#32768", 8000)
        self.prefix.xdotool("mouseup", "3")
        if keys:
            self.prefix.xdotool("key", "--delay", "150", *keys)

    def test_tray_menu_leads_to_about_and_system_information_and_close_ends(self):
        p = self.prefix
        self.choose(None)
        p.screenshot("tray-menu")
        p.xdotool("key", "--delay", "150", *ABOUT)
        p.window("About SwiftDash")
        time.sleep(0.5)
        p.screenshot("about")
        # Its keys, that it makes way for System Information, and that window's "0" before the
        # first tick and the ticks, are shown in-process.
        p.driver("click", "About SwiftDash", "Sys Info")
        p.window("System Information")
        eventually(lambda: p.window("System Information")[-1]["text"] != "0", what="the first figures")
        p.screenshot("system-information")
        p.close_window("System Information")

        self.choose(CLOSE)
        self.proc.wait(timeout=60)
        self.assertEqual(self.notify_calls(), [NIM_ADD, NIM_DELETE])
        self.assertEqual(self.icons(), [])

    def test_when_closed_by_the_system_it_ends_and_a_read_only_system_ini_is_not_switched(self):
        p = self.prefix
        before = p.ini.read_bytes()
        os.chmod(p.ini, 0o444)
        self.addCleanup(os.chmod, p.ini, 0o644)
        p.set_settings(DisableSwitchMessage="1")
        self.choose(SWIFTDASH_MODE)
        self.assertIn("C:\\windows\\system.ini is read-only", " ".join(p.message_box("SwiftDash")))
        p.driver("click", "SwiftDash", "OK")
        time.sleep(2)
        self.assertIsNone(self.proc.poll())
        self.assertEqual(len(self.icons()), 1)
        self.assertEqual(p.ini.read_bytes(), before)

        # Windows 95/98's Close Program list sends the hidden main window a close request.
        p.driver("closeall", "", "SwiftDashMain")
        self.proc.wait(timeout=60)
        self.assertEqual(self.notify_calls(), [NIM_ADD, NIM_DELETE])
        self.assertEqual(self.icons(), [])
        self.assertEqual(len(relay_calls(self.proc, "user32.MessageBoxA")), 1)  # the read-only box only
        self.assertEqual(relay_calls(self.proc, "user32.ExitWindowsEx"), [])
