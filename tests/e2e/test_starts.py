"""What SwiftDash starts from the shell menu (a real right-click, keys), the start-up items and folder
and the double-click file, as the marker sees it (folder, command line), in folders with blanks."""
import time

from sdwine import PrefixTest, eventually, relay_calls

GAMES = r"C:\Games\Star Game"
MARKER = GAMES + r"\marker.exe"
QUOTED = r"C:\Program Files\Star\marker.exe"
DEEP = "C:\\" + "\\".join(["d" * 60] * 4) + "\\" + "m" * 8 + ".exe"  # 259: the longest path a program has
DECOYS = (r"C:\Program.exe", r"C:\Games\Star.exe")  # what an unquoted blank would run
LINKS = r"C:\Games\Links"
# The keys that choose each shell-menu entry in a menu opened with nothing selected.
OPEN, EXPLORER, START_MENU, DESKTOP = (["Down"] * n + ["Return"] for n in (1, 2, 3, 4))


class Starts(PrefixTest):
    def test_the_menu_at_the_pointer_starts_picked_shortcuts_as_themselves_a_document_and_explorer(self):
        self.place(r"C:\My Docs\read me.txt", b"hello\r\n")
        self.place_marker(MARKER)
        for folder, word in ((r"C:\windows\Start Menu\Programs", "menu"), (r"C:\My Desk", "desk")):
            self.link(folder + r"\Star.lnk", MARKER, "-from " + word, GAMES)
        proc = self.start_shell(StartMenuFolder=r"C:\nowhere", DesktopFolder=r"C:\My Desk")
        # A bare name is taken from the folder the dialog opened in (the Start Menu's own: the chosen one is missing).
        for keys, dialog, typed in ((START_MENU, "Browse Start Menu", "Star.lnk"),
                                    (DESKTOP, "Browse Desktop", "Star.lnk"),
                                    (OPEN, "Browse for EXE", r"C:\My Docs\read me.txt")):
            self.assertEqual([self.right_click()[k] for k in "xy"], ["60", "40"])
            self.screenshot("shell-menu")
            self.xdotool("key", "--delay", "150", *keys)
            self.window(dialog)
            time.sleep(1)
            self.screenshot("open-dialog")
            self.xdotool("type", "--delay", "30", typed)
            self.xdotool("key", "Return")
            self.gone(dialog, "#32770")
        self.assertEqual([(folder, line.rsplit(" ", 1)[1]) for folder, line in self.marker_runs(MARKER, 2)],
                         [(GAMES, "menu"), (GAMES, "desk")])
        self.close_window("read me.txt - Notepad")  # the associated program, or Notepad when there is none
        self.right_click()
        self.xdotool("key", "--delay", "150", *EXPLORER)
        eventually(lambda: r'"explorer C:\\windows\\Desktop"' in " ".join(relay_calls(proc, "kernel32.CreateProcessA")),
                   what="Explorer started on the desktop folder")

    def test_programs_shortcuts_documents_and_a_batch_file_start_as_named_and_bad_names_give_a_box(self):
        for path in (MARKER, QUOTED, DEEP, *DECOYS):
            self.place_marker(path)
        self.link(LINKS + r"\Star.lnk", MARKER, '-level 2 "two words"', r"C:\Program Files")
        self.start_shell(StartUpItem0=MARKER + " -game ctf", StartUpItem1=f'"{QUOTED}" -window', StartUpItem2=DEEP,
                         DoubleClickOnMainWindow="5", DoubleClickOpenFile=LINKS + r"\Star.lnk")
        self.assertEqual(self.marker_runs(MARKER, 1), [(GAMES, f'"{MARKER}" -game ctf')])
        self.assertEqual(self.marker_runs(QUOTED, 1), [(r"C:\Program Files\Star", f'"{QUOTED}" -window')])
        self.assertEqual(self.marker_runs(DEEP, 1)[0][0], DEEP.rsplit("\\", 1)[0])
        self.double_click_at(7 + 40, 7 + 40)  # the shortcut's own arguments and "Start in" folder
        folder, line = self.marker_runs(MARKER, 2)[1]
        self.assertEqual(folder, r"C:\Program Files")
        self.assertTrue(line.endswith(' -level 2 "two words"'), line)

        self.setUp()
        self.place_marker(MARKER)
        self.run_wine("reg", "add", r"HKCR\.sdm", "/ve", "/d", "sdmfile", "/f")
        self.run_wine("reg", "add", r"HKCR\sdmfile\shell\open\command", "/ve", "/d", f'"{MARKER}" "%1"', "/f")
        self.place(r"C:\Docs\plain.sdm", b"x")
        self.place(r"C:\My Docs\two words.sdm", b"x")
        self.place(r"C:\Games\Bat Dir\go.bat", f'@"{MARKER}" from-batch\r\n'.encode())
        self.start_shell(StartUpItem0=r"C:\Docs\plain.sdm", StartUpItem1=r"C:\My Docs\two words.sdm",
                         StartUpItem2=r"C:\Games\Bat Dir\go.bat")
        self.assertEqual(sorted(self.marker_runs(MARKER, 3)), [  # the batch file's start may overtake the others
            (r"C:\Docs", rf'"{MARKER}" C:\Docs\plain.sdm'), (r"C:\Games\Bat Dir", f'"{MARKER}" from-batch'),
            (r"C:\My Docs", rf'"{MARKER}" "C:\My Docs\two words.sdm"')])

        # An Explorer path that is no program is reported too, and the Options opened to mend it.
        self.setUp()
        self.link(LINKS + r"\Gone.lnk", r"C:\Games\Gone\gone.exe")
        self.place(LINKS + r"\Noise.lnk", bytes(range(256)) * 4)
        self.place(r"C:\notes.exe", b"not a program\r\n")
        self.set_settings(Version="130", StartUpItem0=LINKS + r"\Gone.lnk", StartUpItem1=LINKS + r"\Noise.lnk",
                          StartUpFolder=r"C:\Program Files", ExplorerPath=r"C:\notes.exe")
        self.start()
        for link in ("Gone", "Noise"):
            self.assertIn(rf"File {LINKS}\{link}.lnk not found", self.message_box("SwiftDash"))
            self.driver("click", "SwiftDash", "OK")
            self.gone("SwiftDash", "#32770")
        self.window("Program Files")  # Explorer's window on the start-up folder
        self.assertFalse(self.has_window("SwiftDash", "#32770", timeout_ms=2000))
        self.close_window("Program Files")
        self.right_click()
        self.xdotool("key", "--delay", "150", *EXPLORER)
        self.assertIn("Path to Explorer is invalid. Please check your options", self.message_box("Error"))
        self.driver("click", "Error", "OK")
        self.window("Options")
        self.assertEqual([decoy for decoy in DECOYS if self.host_path(decoy[:-3] + "log").exists()], [])
