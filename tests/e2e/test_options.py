"""The dialogs by keyboard and their browse buttons: real key presses walk the Exit dialog and the
Options dialog's General tab, and each browse button opens whatever name its text box holds."""
from sdwine import PrefixTest

EXIT_OPTIONS = ["Return to Windows", "Shut Down", "Restart", "Restart in SwiftDash mode", "Close SwiftDash"]
DOUBLE_CLICK_OPTIONS = ["Do nothing", "Minimize", "Open StartUp programs", "Open Options dialog", "Open file:"]
# Names the Open dialog rejects, each in a text box whose browse button has this control id.
REJECTED = {"StartUpItem0": ("C:\\windows\\", "#1006"), "StartUpItem1": ("C:\\" + "a" * 300 + ".exe", "#1008"),
            "StartUpItem2": ('"C:\\windows\\notepad.exe"', "#1010"), "ExplorerPath": ("C:\\a<b>|c.exe", "#1031")}


class Options(PrefixTest):
    def focused(self, title):
        """The text of the control with the focus, and whether it is a checked option."""
        control = next(c for c in self.prefix.window(title)[1:] if c["focus"] == "1")
        return control["text"], control["checked"] == "1"

    def tab_to_options(self, title, options):
        """Tabs on until an option has the focus, which must be the selected one."""
        for _ in range(6):
            self.prefix.xdotool("key", "Tab")
            text, checked = self.focused(title)
            if text in options:
                self.assertTrue(checked, f"Tab stopped at the unselected {text}")
                return text
        self.fail("Tab never reached the options")

    def walk(self, title, options):
        """Down goes round every option from the one Tab reaches; a Tab round later comes back to
        the one now selected."""
        seen = [self.tab_to_options(title, options)]
        for _ in options[1:]:
            self.prefix.xdotool("key", "Down")
            text, checked = self.focused(title)
            self.assertTrue(checked, text)
            seen.append(text)
        self.assertEqual(sorted(seen), sorted(options))
        self.assertEqual(self.tab_to_options(title, options), seen[-1])

    def test_the_keyboard_reaches_every_option_of_the_exit_dialog_and_the_general_tab(self):
        p = self.prefix
        proc = p.start_shell()
        p.click_at(7 + 217, 7 + 8)  # the close button
        p.window("Exit SwiftDash")
        self.walk("Exit SwiftDash", EXIT_OPTIONS)
        p.close_window("Exit SwiftDash")
        self.assertIsNone(proc.poll())

        p.start("options")
        p.window("Options")
        p.xdotool("search", "--onlyvisible", "--name", "^Options$", "windowfocus", "sleep", "0.5", "key", "ctrl+Tab")
        self.walk("Options", DOUBLE_CLICK_OPTIONS)

    def test_each_browse_button_opens_whatever_name_its_box_holds(self):
        p = self.prefix
        p.set_settings(Version="130", **{key: name for key, (name, _) in REJECTED.items()})
        p.start("options")
        p.window("Options")
        for key, (name, button) in REJECTED.items():
            with self.subTest(key):
                p.driver("click", "Options", button)
                p.window("Browse", "#32770", 30000)
                p.close_window("Browse")
