"""The real SwiftDash.exe started to switch, and for a first shell-mode run."""

from sdwine import PrefixTest, box_icon, relay_calls

WELCOME = ("This is the first time you are switching to SwiftDash mode. Windows is going to Log Off, "
           "press OK when it asks for a password and you will se a small SwiftDash window. To bring "
           "the main menu, right click on that window.")
FIRST_RUN = "It appears that you are running SwiftDash for the first time. Please set your options"


class Startup(PrefixTest):
    def test_switch_explains_rewrites_the_shell_line_and_logs_off(self):
        # The file steps of both replace roads are shown in-process, on real files.
        p = self.prefix
        proc = p.start("switch")
        self.assertIn(WELCOME, p.message_box("Welcome to Swiftdash"))
        self.assertEqual(p.setting("DisableSwitchMessage"), "1")  # written before the box
        p.answer("Welcome to Swiftdash", "OK")
        proc.wait(timeout=60)
        self.assertEqual(box_icon(proc, "first time you are switching"), 0x40)  # MB_ICONINFORMATION
        self.assertEqual(p.read_ini(), p.original_ini.replace(b"shell=Explorer.exe\r\n", b"shell=SwiftDash\r\n"))
        self.assertEqual(relay_calls(proc, "user32.ExitWindowsEx"), ["00000000,00000001"])

    def test_shell_mode_first_run_then_a_second_instance_ends_silently(self):
        p = self.prefix
        proc = p.start()
        self.assertIn(FIRST_RUN, p.message_box("SwiftDash"))
        self.assertEqual(p.setting("Version"), "130")
        p.answer("SwiftDash", "OK")
        p.window("Options")
        main = p.window("SwiftDash", "SwiftDashMain")
        self.assertEqual((main["w"], main["h"]), ("228", "68"))
        self.assertEqual(box_icon(proc, "first time. Please"), 0)
        self.assertEqual([args[-8:] for args in relay_calls(proc, "kernel32.RegisterServiceProcess")],
                         ["00000001"])

        second = p.start()
        self.assertEqual(second.wait(timeout=60), 0)
        self.assertEqual(relay_calls(second, "user32.MessageBoxA"), [])
        self.assertIsNone(proc.poll())
