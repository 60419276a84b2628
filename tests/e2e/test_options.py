"""The Options dialog through the real exe: what it shows from the store, what typed edits,
browse buttons, OK, Cancel and the keyboard do to the store, and the shell's double-click that
opens it. Keys are real X events (xdotool); text is typed by the UI driver."""
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from sdwine import PrefixTest, eventually, relay_calls, wait_exit  # noqa: E402

# The text boxes by control id, which follows the dialog's table, and the keys they edit.
BOX_KEYS = ["StartUpItem0", "StartUpItem1", "StartUpItem2", "StartUpFolder", "DoubleClickOpenFile",
            "StartMenuFolder", "DesktopFolder", "ExplorerPath"]
BS_BITMAP = 0x80


def browse_buttons(controls):
    return [c for c in controls if c["class"] == "Button" and int(c["style"], 16) & BS_BITMAP]
STORED = {"StartUpItem0": "C:\\GAMES\\A.EXE", "StartUpItem1": "", "StartUpItem2": "C:\\B.BAT",
          "StartUpFolder": "C:\\StartUp", "StartMenuFolder": "C:\\Menu", "DesktopFolder": "C:\\Desk",
          "ExplorerPath": "C:\\windows\\explorer.exe", "DoubleClickOpenFile": "C:\\readme.txt",
          "DoubleClickOnMainWindow": "3", "Version": "130"}


class Options(PrefixTest):
    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": self.prefix.env["DISPLAY"]},
                       check=True)

    def store(self, values):
        for key, value in values.items():
            self.prefix.set_setting(key, value)

    def stored(self):
        return {key: self.prefix.setting(key) for key in STORED}

    def controls(self):
        _, lines = self.prefix.driver("controls", "Options")
        return [c for c in lines if c.get("tag") == "control"]

    def boxes(self):
        edits = sorted((c for c in self.controls() if c["class"] == "Edit"), key=lambda c: int(c["id"]))
        return dict(zip(BOX_KEYS, edits))

    def checked(self):
        return [c["text"] for c in self.controls() if c["checked"] == "1"]

    def type(self, key, text):
        self.prefix.driver("type", "Options", "#" + self.boxes()[key]["id"], text.encode("cp1252").hex())

    def show_tooltip(self, control, text):
        """Rests the pointer on the control (a frame at its left margin) and reads the tip."""
        where = self.prefix.driver("where", "Options", control)[1][0]
        x = int(where["left"]) + 4 if control.startswith("StartUp") else int(where["x"])
        self.xdotool("mousemove", str(x), where["y"], "sleep", "0.2", "mousemove_relative", "1", "1")
        self.assertEqual(self.prefix.driver("tip")[1][0]["text"], text)

    def visible_texts(self):
        return {c["text"] for c in self.controls() if c["visible"] == "1" and c["text"]}

    def test_stored_values_show_and_typed_edits_on_each_tab_reach_the_store_exactly(self):
        p = self.prefix
        self.store(STORED)
        proc = p.start("options")
        p.window("Options")
        boxes = self.boxes()
        self.assertEqual({k: b["text"] for k, b in boxes.items()}, {k: STORED[k] for k in BOX_KEYS})
        self.assertEqual(self.checked(), ["Open StartUp programs"])
        self.assertEqual(boxes["DoubleClickOpenFile"]["enabled"], "0")
        self.assertEqual({k for k, b in boxes.items() if b["visible"] == "1"},
                         {"StartUpItem0", "StartUpItem1", "StartUpItem2", "StartUpFolder"})
        self.assertEqual(len(browse_buttons(self.controls())), 9)  # eight and the hidden carrier

        edits = {"StartUpItem0": "C:\\" + "Long Folder\\" * 24 + "gamex.exe",  # 300 characters
                 "StartUpItem1": "  C:\\with blanks.exe ", "StartUpItem2": "",
                 "StartUpFolder": "C:\\Caf\xe9 \xfcber \xdf\xc4", "DoubleClickOpenFile": "D:\\play.bat",
                 "StartMenuFolder": " ", "DesktopFolder": "C:\\Desktop", "ExplorerPath": "C:\\x.exe"}
        self.assertEqual(len(edits["StartUpItem0"]), 300)
        for key in ("StartUpItem0", "StartUpItem1", "StartUpItem2", "StartUpFolder"):
            self.type(key, edits[key])
        self.show_tooltip("StartUp programs", "Specify which programs SwiftDsh should open at start-up")
        p.screenshot("options-startup")

        self.xdotool("key", "ctrl+Tab")
        eventually(lambda: "Double-click on main window" in self.visible_texts(), what="the General tab")
        self.assertNotIn("StartUp programs", self.visible_texts())
        p.driver("click", "Options", "Open file:")
        eventually(lambda: self.boxes()["DoubleClickOpenFile"]["enabled"] == "1", what="the box enabled")
        self.type("DoubleClickOpenFile", edits["DoubleClickOpenFile"])
        self.show_tooltip("Open file:", "Opens the file specified below")
        p.screenshot("options-general")

        self.xdotool("key", "ctrl+Tab")
        eventually(lambda: "Path to Explorer:" in self.visible_texts(), what="the Paths tab")
        for key in ("StartMenuFolder", "DesktopFolder", "ExplorerPath"):
            self.type(key, edits[key])
        self.show_tooltip("Path to Explorer:", "By default, SwiftDash uses Windows explorer, if you want "
                          "to use other software, specify the EXE file below")
        p.screenshot("options-paths")
        eventually(lambda: self.boxes()["ExplorerPath"]["text"] == edits["ExplorerPath"], what="typed")
        self.xdotool("key", "Return")
        wait_exit(proc)
        expected = dict(STORED, DoubleClickOnMainWindow="5", **edits)
        self.assertEqual({k: v.encode("latin-1") for k, v in self.stored().items()},
                         {k: v.encode("cp1252") for k, v in expected.items()})

    def test_browse_then_cancel_writes_nothing_and_ok_keeps_an_unknown_action(self):
        p = self.prefix
        self.store(dict(STORED, DoubleClickOnMainWindow="7"))
        proc = p.start("options")
        p.window("Options")
        self.assertEqual(self.checked(), [])
        self.assertEqual(self.boxes()["DoubleClickOpenFile"]["enabled"], "1")
        browse = min((c for c in browse_buttons(self.controls()) if c["visible"] == "1"),
                     key=lambda c: int(c["id"]))  # the first start-up line's
        p.driver("click", "Options", "#" + browse["id"])
        p.window("Browse", "#32770")
        p.answer("Browse", "Cancel")
        p.driver("gone", "Browse", "#32770", "20000")
        self.assertEqual(self.boxes()["StartUpItem0"]["text"], STORED["StartUpItem0"])
        p.driver("click", "Options", "#" + browse["id"])
        p.window("Browse", "#32770")
        self.xdotool("type", "--delay", "30", "C:\\windows\\notepad.exe")  # the file name box
        self.xdotool("key", "Return")
        eventually(lambda: self.boxes()["StartUpItem0"]["text"] == "C:\\windows\\notepad.exe",
                   what="the chosen file in the box")
        self.type("ExplorerPath", "changed")
        self.xdotool("key", "Escape")
        wait_exit(proc)
        self.assertEqual(self.stored(), dict(STORED, DoubleClickOnMainWindow="7"))

        proc = p.start("options")
        p.window("Options")
        p.driver("click", "Options", "OK")
        wait_exit(proc)
        self.assertEqual(self.stored(), dict(STORED, DoubleClickOnMainWindow="7"))

    def test_shell_double_click_opens_it_and_ok_changes_the_action_at_once(self):
        p = self.prefix
        self.store({"Version": "130", "DoubleClickOnMainWindow": "4"})
        proc = p.start()
        main = p.window("SwiftDash", "SwiftDashMain")
        before = p.driver("usage", "SwiftDashMain")[1][0]
        shown = p.driver("cycle", "SwiftDashMain", "Options", "1")[1][0]
        x, y = int(main["x"]) + 40, int(main["y"]) + 40
        self.xdotool("mousemove", str(x), str(y), "sleep", "0.3", "click", "--repeat", "2", "1")
        p.window("Options")
        opened = p.driver("usage", "SwiftDashMain")[1][0]
        p.driver("post", "Options", "0x10", "0", "0")
        p.driver("gone", "Options", "*", "20000")
        cycles = []
        for _ in range(2):
            p.driver("cycle", "SwiftDashMain", "Options", "100", timeout=900)
            cycles.append(p.driver("usage", "SwiftDashMain")[1][0])
        print(f"\nshell mode, Options never opened: {before}\n  Options open: {opened}\n"
              f"  after 100 and 200 open/close cycles: {cycles}\n  double-click to visible "
              f"dialog: {shown['shown_ms']} ms (Wine counts no GDI objects: gdi=0)", file=sys.stderr)

        self.xdotool("mousemove", str(x), str(y), "sleep", "0.3", "click", "--repeat", "2", "1")
        p.window("Options")
        p.driver("click", "Options", "Open file:")
        self.type("DoubleClickOpenFile", "C:\\windows\\notepad.exe")
        eventually(lambda: self.boxes()["DoubleClickOpenFile"]["text"] == "C:\\windows\\notepad.exe",
                   what="typed")
        p.driver("click", "Options", "OK")
        p.driver("gone", "Options", "*", "20000")
        self.assertEqual(p.setting("DoubleClickOnMainWindow"), "5")
        self.xdotool("mousemove", str(x), str(y), "sleep", "0.3", "click", "--repeat", "2", "1")
        eventually(lambda: any("notepad.exe" in c for c in relay_calls(proc, "kernel32.CreateProcessA")),
                   what="the new file opened by the double-click")
        self.assertFalse(p.has_window("Options"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
