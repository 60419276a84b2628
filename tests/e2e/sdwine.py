"""End-to-end harness: the real exe in a private prefix, the UI driver for its windows, real X
input (xdotool), and what it asked of the system from Wine's relay log. Run through CTest."""
import os
import re
import subprocess
import time
import unittest
from pathlib import Path

ROOT = os.environ["SD_ROOT"]
WIN32_DIR = os.environ["SD_WIN32_DIR"]
LOADER, SERVER = "/usr/lib/wine/wine", "/usr/lib/wine/wineserver64"
SETTINGS = r"HKCU\Software\SwiftDash\Default"
LOG_OFF = ["00000000,00000001"]  # ExitWindowsEx's arguments


class PrefixTest(unittest.TestCase):  # a module's scenarios share one prefix, reset before each
    @classmethod
    def setUpClass(cls):
        cls.path = os.path.join(ROOT, "build", "wine", "e2e", cls.__name__)
        subprocess.run(["bash", "-c", f'. "{ROOT}/tools/wine.sh" && sd_new_prefix "$1"', "-", cls.path], check=True)
        with Path(os.environ["SD_SESSION_DIR"], "prefixes").open("a") as f:
            f.write(cls.path + "\n")  # its server is ended with the session
        cls.ini = Path(cls.path, "drive_c", "windows", "system.ini")
        cls.original_ini = cls.ini.read_bytes()
        for exe in ("SwiftDash.exe", "tests/e2e/driver/sddriver.exe"):
            Path(cls.ini.parent, Path(exe).name).write_bytes(Path(WIN32_DIR, exe).read_bytes())
        cls.env = dict(os.environ, WINEPREFIX=cls.path, WINEARCH="win32", WINEDEBUG="-all", WINESERVER=SERVER,
                       WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        cls.processes = []

    @classmethod
    def tearDownClass(cls):
        subprocess.run([SERVER, "-k"], env=cls.env)

    def setUp(self):
        self.end_session()
        self.ini.write_bytes(self.original_ini)
        self.run_wine("reg", "delete", SETTINGS, "/f")

    def end_session(self, proc=None):
        """Waits for proc, ends the prefix's programs as a log-off does; proc's ExitWindowsEx arguments."""
        if proc:
            proc.wait(timeout=60)
        for option in ("-k", "-w", "-p"):  # then a persistent server: process starts stay cheap
            subprocess.run([SERVER, option], env=self.env)
        for started in self.processes:
            started.wait(timeout=30)
        return proc and relay_calls(proc, "user32.ExitWindowsEx")

    def start(self, args="", exe="C:\\windows\\SwiftDash.exe"):  # its relay log goes to a file
        with open(f"{self.path}/{len(self.processes)}.relay", "wb") as log:
            self.processes.append(subprocess.Popen([LOADER, exe] + ([args] if args else []), stdout=subprocess.DEVNULL,
                                                   stderr=log, env=dict(self.env, WINEDEBUG="-all,+relay")))
        self.processes[-1].relay_path = log.name
        return self.processes[-1]

    @classmethod
    def run_wine(cls, *command):
        """Its exit code and output, through a file: Wine's background processes would hold a pipe open."""
        with Path(cls.path, "run.out").open("w+b") as out:
            code = subprocess.run([LOADER, *command], env=cls.env, stdout=out, stderr=subprocess.DEVNULL,
                                  timeout=150).returncode
            out.seek(0)
            return code, out.read().decode("latin-1")

    def driver(self, *args, check=True):  # its exit code and key=value lines
        code, text = self.run_wine("C:\\windows\\sddriver.exe", *args)
        lines = [dict(part.split("=", 1) for part in re.split(r" (?=[a-z]+=)", line) if "=" in part)
                 for line in text.splitlines()]
        if check and code != 0:
            raise AssertionError(f"sddriver {' '.join(args)} failed ({code}): {lines}")
        return code, lines

    def window(self, title, cls="*", timeout_ms=90000):
        """A visible top-level window's fields, then its controls'."""
        return self.driver("wait", title, cls, str(timeout_ms))[1]

    def has_window(self, title, cls="*", timeout_ms=0):
        return self.driver("wait", title, cls, str(timeout_ms), check=False)[0] == 0

    def gone(self, title, cls="*"):
        eventually(lambda: not self.has_window(title, cls), 30, f"{title} closed")

    def close_window(self, title):  # as its close box does
        self.driver("close", title)
        self.gone(title)

    def message_box(self, title):
        return [c.get("text", "") for c in self.window(title, "#32770", 60000)[1:]]

    def main_window(self):
        return self.window("SwiftDash", "SwiftDashMain")[0]

    def reg_value(self, key, name):
        found = re.search(r"REG_SZ\s+(.*?)\r?$", self.run_wine("reg", "query", key, "/v", name)[1], re.M)
        return found and found.group(1)

    def set_settings(self, **values):
        for name, value in values.items():
            assert self.run_wine("reg", "add", SETTINGS, "/v", name, "/d", value, "/f")[0] == 0

    def start_shell(self, **settings):  # not a first run
        self.set_settings(Version="130", **settings)
        proc = self.start()
        self.main_window()
        return proc

    def log_on(self):
        """What the session script's next log-on starts (None for Explorer), and the shell it names."""
        shell = subprocess.run(["bash", f"{ROOT}/tools/session.sh", "--next-shell", self.path], check=True,
                               capture_output=True, text=True, timeout=120).stdout.strip()
        if shell.lower() == "explorer.exe":
            return None, shell
        return self.start(exe=shell if "\\" in shell else f"C:\\windows\\{shell}.exe"), shell

    def exit_dialog(self):
        self.click_at(7 + 217, 7 + 8)  # the main window's close button
        self.window("Exit SwiftDash")

    def host_path(self, path):
        return Path(self.path, "drive_c", *path[3:].split("\\"))

    def place(self, path, data):
        self.host_path(path).parent.mkdir(parents=True, exist_ok=True)
        self.host_path(path).write_bytes(data)

    def place_marker(self, path):
        """The driver at an .exe path of C: under another name: the marker."""
        self.place(path, Path(self.ini.parent, "sddriver.exe").read_bytes())
        self.host_path(path[:-3] + "log").unlink(missing_ok=True)

    def marker_runs(self, path, count):
        """(folder, command line) of each start of the marker at `path`, once there are `count`."""
        log = self.host_path(path[:-3] + "log")
        eventually(lambda: log.exists() and len(log.read_bytes().splitlines()) >= count, 60, f"{count} start(s)")
        return [tuple(line.split("\t", 1)) for line in log.read_bytes().decode("latin-1").splitlines()]

    def link(self, path, target, arguments="", folder=""):  # made by the prefix's own shell link object
        self.place(path, b"")
        self.driver("link", path, target, arguments, folder)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def click_at(self, x, y, *click):  # xdotool's click options and button
        self.xdotool("mousemove", str(x), str(y), "sleep", "0.3", "click", *(click or ["1"]))

    def double_click_at(self, x, y):
        self.click_at(x, y, "--repeat", "2", "--delay", "80", "1")

    def right_click(self, x=60, y=40):
        """The popup menu after a right press, tried again: a just-closed window may hold the spot a moment."""
        for _ in range(4):
            self.click_at(x, y, "3")
            code, lines = self.driver("wait", "", "#32768", "8000", check=False)
            if code == 0:
                return lines[0]
        raise AssertionError("no popup menu after a right press")

    def screenshot(self, name):  # of the whole screen, for people to look at
        os.makedirs(os.path.join(ROOT, "build", "artefacts"), exist_ok=True)
        subprocess.run(["import", "-window", "root", os.path.join(ROOT, "build", "artefacts", name + ".png")],
                       env=self.env, check=True, capture_output=True)


def relay_calls(proc, function):
    """The argument lists of every relay 'Call dll.function(...)' of the process."""
    text = Path(proc.relay_path).read_bytes().decode("latin-1")
    return re.findall(r"Call " + re.escape(function) + r"\((.*)\) ret=", text, re.IGNORECASE)


def eventually(check, timeout=20, what="the condition"):
    """Polls check() until it is true: a Wine program may take seconds to react."""
    deadline = time.time() + timeout
    while not check():
        if time.time() > deadline:
            raise AssertionError(f"{what} did not come true within {timeout} s")
        time.sleep(0.3)
