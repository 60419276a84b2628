"""The Options dialog through the real exe: the stored values it shows, and typed edits on each
tab reaching the store exactly. Keys and the pointer are real X events; text is typed by the UI
driver."""
from sdwine import PrefixTest, eventually

# The text boxes in control-id order, which is the dialog table's, and the keys they edit.
BOX_KEYS = ["StartUpItem0", "StartUpItem1", "StartUpItem2", "StartUpFolder", "DoubleClickOpenFile",
            "StartMenuFolder", "DesktopFolder", "ExplorerPath"]
STORED = {"StartUpItem0": "C:\\GAMES\\A.EXE", "StartUpItem1": "", "StartUpItem2": "C:\\B.BAT",
          "StartUpFolder": "C:\\StartUp", "StartMenuFolder": "C:\\Menu", "DesktopFolder": "C:\\Desk",
          "ExplorerPath": "C:\\windows\\explorer.exe", "DoubleClickOpenFile": "C:\\readme.txt",
          "DoubleClickOnMainWindow": "7", "Version": "130"}


class Options(PrefixTest):
    def keys(self, *keys):
        """Real keys to the dialog, given the X keyboard first: after a modal dialog closed,
        Wine without a window manager may have left the X focus elsewhere."""
        self.prefix.xdotool("search", "--onlyvisible", "--name", "^Options$", "windowfocus",
                            "sleep", "0.3", "key", *keys)

    def boxes(self):
        return dict(zip(BOX_KEYS, sorted((c for c in self.prefix.window("Options")[1:] if c["class"] == "Edit"),
                                         key=lambda c: int(c["id"]))))

    def type(self, key, text):
        self.prefix.driver("type", "Options", "#" + self.boxes()[key]["id"], text.encode("cp1252").hex())

    def tooltip(self, control):
        """Rests the pointer on the control (a frame, at its left margin) and reads the tip."""
        c = next(c for c in self.prefix.window("Options")[1:] if c["text"] == control)
        self.prefix.xdotool("mousemove", str(int(c["x"]) + 4), str(int(c["y"]) + int(c["h"]) // 2),
                            "sleep", "0.2", "mousemove_relative", "1", "1")
        return self.prefix.window("", "tooltips_class32", 20000)[0]["text"]  # a tip tells its text

    def test_stored_values_then_typed_edits_on_each_tab(self):
        # Esc, and the run's end without a word, are shown in-process.
        p = self.prefix
        p.set_settings(**STORED)
        proc = p.start("options")
        p.window("Options")
        self.assertFalse(p.has_window("SwiftDash", "SwiftDashMain"))  # the dialog alone
        self.assertEqual({k: b["text"] for k, b in self.boxes().items()}, {k: STORED[k] for k in BOX_KEYS})
        edits = {"StartUpItem0": "C:\\" + "Long Folder\\" * 24 + "gamex.exe",  # 300 characters
                 "StartUpItem1": "  C:\\with blanks.exe ", "StartUpItem2": "",
                 "StartUpFolder": "C:\\Caf\xe9 \xfcber \xdf\xc4", "DoubleClickOpenFile": "D:\\play.bat",
                 "StartMenuFolder": " ", "DesktopFolder": "C:\\Desktop", "ExplorerPath": "C:\\x.exe"}
        for key in BOX_KEYS[:4]:
            self.type(key, edits[key])
        # One tip stands for all: it comes up under a resting pointer, with its text.
        self.assertEqual(self.tooltip("StartUp programs"), "Specify which programs SwiftDsh should open "
                         "at start-up")
        p.screenshot("options-startup")
        self.keys("ctrl+Tab")
        eventually(lambda: self.boxes()["DoubleClickOpenFile"]["visible"] == "1", what="the General tab")
        self.assertEqual(self.boxes()["StartUpItem0"]["visible"], "0")
        p.driver("click", "Options", "Open file:")
        self.type("DoubleClickOpenFile", edits["DoubleClickOpenFile"])
        p.screenshot("options-general")
        self.keys("ctrl+Tab")
        eventually(lambda: self.boxes()["ExplorerPath"]["visible"] == "1", what="the Paths tab")
        for key in BOX_KEYS[5:]:
            self.type(key, edits[key])
        eventually(lambda: self.boxes()["ExplorerPath"]["text"] == edits["ExplorerPath"], what="typed")
        p.screenshot("options-paths")
        self.keys("Return")
        self.assertEqual(proc.wait(timeout=60), 0)
        expected = dict(STORED, DoubleClickOnMainWindow="5", **edits)
        self.assertEqual({k: p.setting(k).encode("latin-1") for k in STORED},
                         {k: v.encode("cp1252") for k, v in expected.items()})
