"""The shell menu and what it starts, as a user meets them: a real right-click on the main
window, entries chosen by keyboard, names typed into the Open dialog; what was started is read
from the relay log's CreateProcessA calls (application name, command line)."""
import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from sdwine import WIN32_DIR, PrefixTest, eventually, started_programs, stays_running  # noqa: E402

# The keys that choose each shell-menu entry in a menu opened with nothing selected.
OPEN, EXPLORER, START_MENU, DESKTOP = (["Down"] * n + ["Return"] for n in (1, 2, 3, 4))
OPTIONS, EXIT = ["Up", "Up", "Return"], ["Up", "Return"]
GAME = r"C:\Program Files\Game\game.exe"


class Menus(PrefixTest):
    def place(self, path, source):
        """A file at a path of the prefix's C: drive: bytes, or a copy of a file."""
        target = os.path.join(self.prefix.path, "drive_c", *path[3:].split("\\"))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if isinstance(source, bytes):
            with open(target, "wb") as f:
                f.write(source)
        else:
            shutil.copy(source, target)

    def plant_game(self):
        """A program under a folder with blanks, and the C:\\Program.exe that an unquoted start
        would run instead (the UI driver, which ends at once without a window)."""
        self.place(GAME, os.path.join(WIN32_DIR, "tests", "bench", "fixture", "minimal_window.exe"))
        self.place(r"C:\Program.exe", os.path.join(self.prefix.windows, "sddriver.exe"))

    def start_shell(self, wait=True, **settings):
        self.prefix.set_setting("Version", "130")  # not a first run
        for name, value in settings.items():
            self.prefix.set_setting(name, value)
        self.proc = self.prefix.start()
        if wait:
            self.prefix.window("SwiftDash", "SwiftDashMain")

    def right_click(self):
        """The popup after a right press on the main window (its entries cannot be read from
        another process under Wine: the in-process tests read them). A window that a started
        program just closed may hold the pointer's place on the display a moment longer."""
        for _ in range(4):
            self.prefix.xdotool("mousemove", "60", "40", "sleep", "0.3", "click", "3")
            code, lines = self.prefix.driver("menu", "8000", check=False)
            if code == 0:
                return lines[0]
        self.fail("no popup menu after a right press on the main window")

    def choose(self, keys, dialog=None):
        self.right_click()
        self.prefix.xdotool("key", "--delay", "150", *keys)
        if dialog:
            self.prefix.window(dialog, "#32770")

    def gone(self, title, cls="*"):
        return self.prefix.driver("gone", title, cls, "20000", check=False)[0] == 0

    def open_file(self, keys, dialog, typed):
        self.choose(keys, dialog)
        time.sleep(0.5)
        self.prefix.xdotool("type", "--delay", "30", typed)
        self.prefix.xdotool("key", "Return")
        self.assertTrue(self.gone(dialog, "#32770"))

    def close(self, title):
        """Closes a started program's window: it would stand over the main window."""
        self.prefix.driver("post", title, "0x10", "0", "0")
        self.assertTrue(self.gone(title))

    def starts(self, count):
        eventually(lambda: len(started_programs(self.proc)) >= count, timeout=30,
                   what=f"{count} program start(s)")
        return started_programs(self.proc)

    def test_shell_menu_opens_at_the_pointer_closes_quietly_and_runs_keyboard_choices(self):
        self.start_shell()
        popup = self.right_click()
        self.assertEqual((popup["x"], popup["y"]), ("60", "40"))
        self.prefix.screenshot("shell-menu")
        self.prefix.xdotool("key", "Escape")
        self.assertTrue(self.gone("", "#32768"))
        self.right_click()
        self.prefix.xdotool("mousemove", "600", "500", "sleep", "0.3", "click", "1")
        self.assertTrue(self.gone("", "#32768"))
        self.choose(EXIT)
        self.prefix.window("Exit SwiftDash")
        self.prefix.driver("click", "Exit SwiftDash", "Cancel")
        self.assertTrue(self.gone("Exit SwiftDash"))
        self.choose(OPTIONS)
        self.prefix.window("Options")
        self.assertEqual(started_programs(self.proc), [])
        self.assertFalse(self.prefix.has_window("SwiftDash", "#32770"))
        self.assertTrue(stays_running(self.proc, 1))

    def test_file_commands_start_the_chosen_file_in_their_folders_and_cancel_does_nothing(self):
        self.plant_game()
        self.place(r"C:\My Docs\read me.txt", b"hello\r\n")
        marker = os.path.join(self.prefix.windows, "sddriver.exe")
        for path in (r"C:\My Docs\TOOL.EXE", r"C:\windows\Start Menu\Programs\marker.exe",
                     r"C:\My Desk\marker.exe"):
            self.place(path, marker)
        self.start_shell(StartMenuFolder=r"C:\nowhere", DesktopFolder=r"C:\My Desk")
        self.choose(OPEN, "Browse for EXE")
        time.sleep(1)
        self.prefix.screenshot("open-dialog")
        self.prefix.xdotool("key", "Escape")
        self.assertTrue(self.gone("Browse for EXE", "#32770"))
        time.sleep(1)
        self.assertEqual(started_programs(self.proc), [])

        self.open_file(OPEN, "Browse for EXE", GAME)
        self.prefix.window("Minimal", "MinimalWindow")  # the program itself, not C:\Program.exe
        self.assertEqual(self.starts(1)[0], (GAME, f'"{GAME}"'))
        self.close("Minimal")
        self.open_file(OPEN, "Browse for EXE", r"C:\My Docs\read me.txt")
        _, line = self.starts(2)[1]  # the associated program, or "notepad" when there is none
        self.assertTrue("notepad" in line.lower() and line.endswith(r' "C:\My Docs\read me.txt"'), line)
        self.close("read me.txt - Notepad")
        self.open_file(OPEN, "Browse for EXE", r"C:\My Docs\TOOL.EXE")  # capitals: a document
        self.assertTrue(self.starts(3)[2][1].endswith(r' "C:\My Docs\TOOL.EXE"'))
        # A bare name typed into the dialog is taken from the folder it opened in.
        self.open_file(START_MENU, "Browse Start Menu", "marker.exe")
        self.assertEqual(self.starts(4)[3][0], r"C:\windows\Start Menu\Programs\marker.exe")
        self.open_file(DESKTOP, "Browse Desktop", "marker.exe")
        self.assertEqual(self.starts(5)[4][0], r"C:\My Desk\marker.exe")
        self.assertFalse(self.prefix.has_window("SwiftDash", "#32770"))

    def test_explorer_starts_on_the_desktop_or_reports_a_bad_path(self):
        self.start_shell()
        self.choose(EXPLORER)
        self.assertEqual(self.starts(1), [(None, r"explorer C:\windows\Desktop")])
        self.assertFalse(self.prefix.has_window("Error", "#32770", timeout_ms=2000))

        self.setUp()
        self.place(r"C:\notes.exe", b"not a program\r\n")
        self.start_shell(ExplorerPath=r"C:\notes.exe")
        self.choose(EXPLORER)
        _, controls = self.prefix.message_box("Error")
        self.assertIn("Path to Explorer is invalid. Please check your options",
                      [c.get("text") for c in controls])
        self.prefix.answer("Error", "OK")
        self.prefix.window("Options")

    def test_shell_start_runs_the_start_up_items_and_folder(self):
        self.plant_game()
        self.start_shell(wait=False, StartUpItem0=r"C:\missing.exe", StartUpItem2=GAME,
                         StartUpFolder=r"C:\Program Files")
        _, controls = self.prefix.message_box("SwiftDash")
        self.assertIn(r"File C:\missing.exe not found", [c.get("text") for c in controls])
        self.prefix.answer("SwiftDash", "OK")
        self.prefix.window("Minimal", "MinimalWindow")
        self.assertEqual(self.starts(3), [(r"C:\missing.exe", r"C:\missing.exe"), (GAME, f'"{GAME}"'),
                                          (None, r"explorer C:\Program Files")])
        self.prefix.window("Program Files")  # Explorer's window on the folder
        self.close("Program Files")
        self.close("Minimal")


if __name__ == "__main__":
    unittest.main(verbosity=2)
