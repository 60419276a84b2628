"""What SwiftDash starts, as the started program sees it: the tests' marker program, in a folder
with a blank in its name, records its current folder, Run state and command line. Shown from
the start-up items, the double-click file and shortcuts; the menus' dialogs in test_menus."""
from sdwine import PrefixTest

GAMES = r"C:\Games\Star Game"
MARKER = GAMES + r"\marker.exe"
QUOTED = r"C:\Program Files\Star\marker.exe"
DECOYS = (r"C:\Program.exe", r"C:\Games\Star.exe")  # what an unquoted blank would run
SW_SHOWNORMAL, SW_SHOWMINNOACTIVE = "1", 7


class Starts(PrefixTest):
    def place_markers(self, *paths):
        for path in (MARKER, *DECOYS, *paths):
            self.prefix.place_marker(path)

    def double_click(self):
        self.prefix.click_at(7 + 40, 7 + 40, "--repeat", "2", "1")

    def assert_no_decoy_ran(self):
        for decoy in DECOYS:
            self.assertEqual(self.prefix.marker_runs(decoy), [], decoy)

    def test_programs_with_and_without_arguments_and_a_shortcut_start_in_their_own_folders(self):
        p = self.prefix
        self.place_markers(QUOTED)
        p.link(r"C:\Games\Links\Star.lnk", MARKER, '-level 2 "two words"', r"C:\Games\Saves", SW_SHOWMINNOACTIVE)
        p.host_path(r"C:\Games\Saves").mkdir(exist_ok=True)
        p.start_shell(StartUpItem0=MARKER, StartUpItem1=MARKER + " -game ctf", StartUpItem2=f'"{QUOTED}" -window',
                      DoubleClickOnMainWindow="5", DoubleClickOpenFile=r"C:\Games\Links\Star.lnk")
        self.assertEqual(sorted(p.marker_runs(MARKER, 2)), [(GAMES, SW_SHOWNORMAL, f'"{MARKER}"'),
                                                            (GAMES, SW_SHOWNORMAL, f'"{MARKER}" -game ctf')])
        self.assertEqual(p.marker_runs(QUOTED, 1), [(r"C:\Program Files\Star", SW_SHOWNORMAL, f'"{QUOTED}" -window')])
        # The shortcut's own arguments and "Start in" folder, and its Run state as the system
        # gives it when it starts the shortcut itself (Wine 8 drops it: normal, not minimized).
        self.double_click()
        folder, show, line = p.marker_runs(MARKER, 3)[2]
        self.assertEqual(folder, r"C:\Games\Saves")
        self.assertTrue(line.endswith(' -level 2 "two words"'), line)
        p.run("start", r"C:\Games\Links\Star.lnk")
        self.assertEqual(p.marker_runs(MARKER, 4)[3], (folder, show, line))
        self.assert_no_decoy_ran()

    def test_documents_reach_their_program_in_their_folder_quoted_only_with_blanks_and_a_batch_file_too(self):
        p = self.prefix
        self.place_markers()
        p.run("reg", "add", r"HKCR\.sdm", "/ve", "/d", "sdmfile", "/f")
        p.run("reg", "add", r"HKCR\sdmfile\shell\open\command", "/ve", "/d", f'"{MARKER}" "%1"', "/f")
        p.place(r"C:\Docs\plain.sdm", b"x")
        p.place(r"C:\My Docs\two words.sdm", b"x")
        p.place(r"C:\Games\Bat Dir\go.bat", f'@"{MARKER}" from-batch\r\n'.encode())
        p.start_shell(StartUpItem0=r"C:\Docs\plain.sdm", StartUpItem1=r"C:\My Docs\two words.sdm",
                      StartUpItem2=r"C:\Games\Bat Dir\go.bat")
        runs = sorted(p.marker_runs(MARKER, 3))  # the batch file's start may overtake the others
        self.assertEqual([(folder, line.removeprefix(f'"{MARKER}" ')) for folder, _, line in runs],
                         [(r"C:\Docs", r"C:\Docs\plain.sdm"), (r"C:\Games\Bat Dir", "from-batch"),
                          (r"C:\My Docs", r'"C:\My Docs\two words.sdm"')])

    def test_bad_names_give_a_box_or_start_exactly_what_they_name(self):
        p = self.prefix
        # 259 characters, the longest path the system names a program by.
        deep = "C:\\" + "\\".join(["d" * 60] * 4) + "\\" + "m" * 8 + ".exe"
        self.assertEqual(len(deep), 259)
        self.place_markers(deep)
        p.link(r"C:\Games\Links\Gone.lnk", r"C:\Games\Gone\gone.exe")
        p.place(r"C:\Games\Links\Noise.lnk", bytes(range(256)) * 4)
        tail = '+name "Big Bob" ' + "x" * 2000
        proc = p.start_shell(wait=False, StartUpItem0=r"C:\Games\Links\Gone.lnk", StartUpItem1=r"C:\Games\Links\Noise.lnk",
                      StartUpItem2=deep, DoubleClickOnMainWindow="5", DoubleClickOpenFile=f"{MARKER} {tail}")
        for link in ("Gone", "Noise"):
            self.assertIn(rf"File C:\Games\Links\{link}.lnk not found", p.message_box("SwiftDash"))
            p.screenshot("shortcut-" + link.lower())
            p.driver("click", "SwiftDash", "OK")
            self.assertTrue(p.gone("SwiftDash", "#32770"))
        self.assertEqual(p.marker_runs(deep, 1)[0][:2], (deep.rsplit("\\", 1)[0], SW_SHOWNORMAL))
        p.window("SwiftDash", "SwiftDashMain")
        self.double_click()
        self.assertEqual(p.marker_runs(MARKER, 1)[0][2], f'"{MARKER}" {tail}')
        self.assertFalse(p.has_window("SwiftDash", "#32770", timeout_ms=2000))
        self.assertIsNone(proc.poll())
