"""The shell menu and what it starts: a real right-click on the main window, entries chosen by
keyboard, names typed into the Open dialog; what was started is read from the relay log's
CreateProcessA calls (application name, command line)."""
import time
from pathlib import Path

from sdwine import WIN32_DIR, PrefixTest, wait_started

# The keys that choose each shell-menu entry in a menu opened with nothing selected.
OPEN, EXPLORER, START_MENU, DESKTOP = (["Down"] * n + ["Return"] for n in (1, 2, 3, 4))
ABOUT, OPTIONS, EXIT = (["Up"] * n + ["Return"] for n in (3, 2, 1))
GAME = r"C:\Program Files\Game\game.exe"
GAMES = r"C:\Games\Star Game"
MARKER = GAMES + r"\marker.exe"


class Menus(PrefixTest):
    def choose(self, keys, window=None):
        self.prefix.right_click()
        self.prefix.xdotool("key", "--delay", "150", *keys)
        if window:
            self.prefix.window(window)

    def open_file(self, keys, dialog, typed):
        self.choose(keys, dialog)
        time.sleep(0.5)
        self.prefix.xdotool("type", "--delay", "30", typed)
        self.prefix.xdotool("key", "Return")
        self.assertTrue(self.prefix.gone(dialog, "#32770"))

    def test_file_commands_start_the_chosen_file_or_shortcut_and_cancel_does_nothing(self):
        p = self.prefix
        p.place(GAME, Path(WIN32_DIR, "tests", "bench", "fixture", "minimal_window.exe").read_bytes())
        p.place(r"C:\My Docs\read me.txt", b"hello\r\n")
        p.place_marker(MARKER)
        for folder, word in ((r"C:\windows\Start Menu\Programs", "menu"), (r"C:\My Desk", "desk")):
            p.link(folder + r"\Star.lnk", MARKER, "-from " + word, GAMES)
        proc = p.start_shell(StartMenuFolder=r"C:\nowhere", DesktopFolder=r"C:\My Desk")
        self.choose(OPEN, "Browse for EXE")
        time.sleep(1)
        p.screenshot("open-dialog")
        p.xdotool("key", "Escape")
        self.assertTrue(p.gone("Browse for EXE", "#32770"))

        self.open_file(OPEN, "Browse for EXE", GAME)
        p.window("Minimal", "MinimalWindow")
        self.assertEqual(wait_started(proc, 1), [(GAME, f'"{GAME}"')])  # and nothing on Cancel
        p.close_window("Minimal")
        self.open_file(OPEN, "Browse for EXE", r"C:\My Docs\read me.txt")
        _, line = wait_started(proc, 2)[1]  # the associated program, or "notepad" when there is none
        self.assertTrue("notepad" in line.lower() and line.endswith(r' "C:\My Docs\read me.txt"'), line)
        p.close_window("read me.txt - Notepad")
        # A picked shortcut starts as itself, not as its target alone. A bare name typed into
        # the dialog is taken from the folder it opened in: the Start Menu's own when the
        # chosen one is missing.
        self.open_file(START_MENU, "Browse Start Menu", "Star.lnk")
        p.marker_runs(MARKER, 1)
        self.open_file(DESKTOP, "Browse Desktop", "Star.lnk")
        p.marker_runs(MARKER, 2)
        self.open_file(OPEN, "Browse for EXE", r"C:\My Desk\Star.lnk")
        self.assertEqual([(folder, line.rsplit(" ", 1)[1]) for folder, _, line in p.marker_runs(MARKER, 3)],
                         [(GAMES, "menu"), (GAMES, "desk"), (GAMES, "desk")])
        self.assertFalse(p.has_window("SwiftDash", "#32770"))

    def test_shell_menu_opens_at_the_pointer_its_entries_open_the_dialogs_and_explorer(self):
        p = self.prefix
        proc = p.start_shell()
        popup = p.right_click()
        self.assertEqual((popup["x"], popup["y"]), ("60", "40"))
        p.screenshot("shell-menu")
        p.xdotool("key", "Escape")
        self.assertTrue(p.gone("", "#32768"))
        for keys, dialog in ((EXIT, "Exit SwiftDash"), (ABOUT, "About SwiftDash"), (OPTIONS, "Options")):
            self.choose(keys, dialog)
            p.close_window(dialog)
        self.choose(EXPLORER)
        self.assertEqual(wait_started(proc, 1), [(None, r"explorer C:\windows\Desktop")])
        self.assertFalse(p.has_window("Error", "#32770", timeout_ms=2000))

        # An Explorer path that is no program is reported, and the Options opened to mend it.
        self.setUp()
        p.place(r"C:\notes.exe", b"not a program\r\n")
        p.start_shell(ExplorerPath=r"C:\notes.exe")
        self.choose(EXPLORER)
        self.assertIn("Path to Explorer is invalid. Please check your options", p.message_box("Error"))
        p.driver("click", "Error", "OK")
        p.window("Options")

    def test_shell_start_runs_the_start_up_items_and_folder(self):
        p = self.prefix
        driver = r"C:\windows\sddriver.exe"  # ends at once, without a window
        proc = p.start_shell(wait=False, StartUpItem0=r"C:\missing.exe", StartUpItem2=driver,
                             StartUpFolder=r"C:\Program Files")
        self.assertIn(r"File C:\missing.exe not found", p.message_box("SwiftDash"))
        p.driver("click", "SwiftDash", "OK")
        self.assertEqual(wait_started(proc, 3), [(r"C:\missing.exe", r"C:\missing.exe"), (driver, driver),
                                                 (None, r"explorer C:\Program Files")])
        p.window("Program Files")  # Explorer's window on the folder
        p.close_window("Program Files")
