"""End-to-end harness: the real exe in a private prefix, the UI driver for its windows, real X
input (xdotool), and what it asked of the system from Wine's relay log. Run through CTest."""
import os
import re
import shutil
import signal
import subprocess
import time
import unittest
from pathlib import Path

ROOT = os.environ["SD_ROOT"]
WIN32_DIR = os.environ["SD_WIN32_DIR"]
LOADER, SERVER = "/usr/lib/wine/wine", "/usr/lib/wine/wineserver64"
SETTINGS = r"HKCU\Software\SwiftDash\Default"


class Prefix:
    """One prefix and one Wine server for a test module; reset between scenarios."""

    def __init__(self, name):
        self.path = os.path.join(ROOT, "build", "wine", "e2e", name)
        subprocess.run(["bash", "-c", f'. "{ROOT}/tools/wine.sh" && sd_new_prefix "$1"', "-", self.path],
                       check=True)
        with open(os.path.join(os.environ["SD_SESSION_DIR"], "prefixes"), "a") as f:
            f.write(self.path + "\n")  # its server is ended with the session
        self.windows = os.path.join(self.path, "drive_c", "windows")
        self.ini = Path(self.windows, "system.ini")
        shutil.copy(os.path.join(WIN32_DIR, "SwiftDash.exe"), self.windows)
        shutil.copy(os.path.join(WIN32_DIR, "tests", "e2e", "driver", "sddriver.exe"), self.windows)
        self.original_ini = self.ini.read_bytes()
        self.env = dict(os.environ, WINEPREFIX=self.path, WINEARCH="win32", WINEDEBUG="-all",
                        WINESERVER=SERVER, WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        self.processes = []
        subprocess.run([SERVER, "-p"], env=self.env)  # persistent: process starts stay cheap

    def start(self, args="", exe="C:\\windows\\SwiftDash.exe"):
        """Starts a program with a command line; its relay log goes to a file."""
        proc_log = f"{self.path}/{len(self.processes)}.relay"
        with open(proc_log, "wb") as log:
            proc = subprocess.Popen([LOADER, exe] + ([args] if args else []), stdout=subprocess.DEVNULL,
                                    stderr=log, env=dict(self.env, WINEDEBUG="-all,+relay"))
        proc.relay_path = proc_log
        self.processes.append(proc)
        return proc

    def run(self, *command):
        """Runs a Wine program to its end; returns its exit code and what it printed."""
        # Output through a file: Wine's background processes inherit handles and hold pipes open.
        out = Path(self.path, "run.out")
        with out.open("wb") as f:
            code = subprocess.run([LOADER, *command], env=self.env, stdout=f, stderr=subprocess.DEVNULL,
                                  timeout=150).returncode
        return code, out.read_bytes().decode("latin-1")

    def driver(self, *args, check=True):
        """Runs the UI driver; returns its exit code and its key=value lines."""
        code, text = self.run("C:\\windows\\sddriver.exe", *args)
        lines = [parse(line) for line in text.splitlines() if line.strip()]
        if check and code != 0:
            raise AssertionError(f"sddriver {' '.join(args)} failed ({code}): {lines}")
        return code, lines

    def window(self, title, cls="*", timeout_ms=90000):
        """A visible top-level window's fields, then its controls', once it is up."""
        return self.driver("wait", title, cls, str(timeout_ms))[1]

    def has_window(self, title, cls="*", timeout_ms=0):
        return self.driver("wait", title, cls, str(timeout_ms), check=False)[0] == 0

    def gone(self, title, cls="*"):
        return self.driver("gone", title, cls, "20000", check=False)[0] == 0

    def close_window(self, title):
        """Closes a window as its close box does, and waits until it is gone."""
        self.driver("close", title)
        assert self.gone(title), f"{title} stayed open"

    def message_box(self, title):
        return [c.get("text", "") for c in self.window(title, "#32770", 60000)[1:]]

    def setting(self, name):
        found = re.search(r"REG_SZ {4}(.*?)\r?$", self.run("reg", "query", SETTINGS, "/v", name)[1], re.M)
        return found and found.group(1)

    def set_settings(self, **values):
        for name, value in values.items():
            assert self.run("reg", "add", SETTINGS, "/v", name, "/d", value, "/f")[0] == 0

    def start_shell(self, wait=True, **settings):
        """A shell-mode start that is not a first run, with these settings stored first."""
        self.set_settings(Version="130", **settings)
        proc = self.start()
        if wait:
            self.window("SwiftDash", "SwiftDashMain")
        return proc

    def log_on(self):
        """What the run command's next log-on does: reads the shell line (tools/wine.sh) and
        starts the program it names, or none for Explorer; returns the name and the process."""
        name = subprocess.run(["bash", "-c", f'. "{ROOT}/tools/wine.sh" && sd_logon_shell "$1"', "-", self.ini],
                              check=True, capture_output=True, text=True).stdout.strip()
        if name.lower() == "explorer":
            return name, None
        return name, self.start(exe=f"C:\\windows\\{name}.exe")

    def place(self, path, data):
        """A file of these bytes at a path of the prefix's C: drive."""
        target = self.host_path(path)
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)

    def host_path(self, path):
        """Where a path of the prefix's C: drive lies on this machine."""
        return Path(self.path, "drive_c", *path[3:].split("\\"))

    def place_marker(self, path):
        """The tests' marker program at an .exe path of C:; each start appends to the .log beside it."""
        self.place(path, Path(WIN32_DIR, "tests", "e2e", "marker", "sdmarker.exe").read_bytes())
        self.host_path(path[:-3] + "log").unlink(missing_ok=True)

    def marker_runs(self, path, count=0):
        """(current folder, Run state, command line) of each start of the marker at `path`,
        once there are `count`."""
        log = self.host_path(path[:-3] + "log")
        def runs():
            text = log.read_bytes().decode("latin-1") if log.exists() else ""
            return [tuple(line.split("\t", 2)) for line in text.splitlines()]
        if count:
            eventually(lambda: len(runs()) >= count, 60, f"{count} start(s) of {path}")
        return runs()

    def link(self, path, target, arguments="", folder="", show=1):
        """A shortcut made by the prefix's own shell link object."""
        self.host_path(path).parent.mkdir(parents=True, exist_ok=True)
        self.driver("link", path, target, arguments, folder, str(show))

    def reset(self):
        """Between scenarios: no program of the last one, nor any it started (Wine's own, under
        system32, stay), the original system.ini, no settings."""
        self.session_ended()  # a log-off the last scenario asked for would end the next one's programs
        for proc in self.processes:
            proc.kill()
            proc.wait(timeout=10)
        self.processes.clear()
        for pid in self.prefix_processes(lambda cmd: not cmd.startswith(b"/") and b"\\system32\\" not in cmd.lower()):
            os.kill(pid, signal.SIGKILL)
        self.ini.write_bytes(self.original_ini)
        self.run("reg", "delete", SETTINGS, "/f")

    def prefix_processes(self, match):
        """Linux pids of this prefix's processes whose command line matches."""
        def matches(pid):
            try:
                return (match(Path(f"/proc/{pid}/cmdline").read_bytes()) and
                        f"WINEPREFIX={self.path}".encode() in Path(f"/proc/{pid}/environ").read_bytes().split(b"\0"))
            except OSError:
                return False
        return [int(pid) for pid in os.listdir("/proc") if pid.isdigit() and matches(pid)]

    def session_ended(self):
        """After a log-off or restart that ended the prefix's session: a server again."""
        eventually(lambda: not self.prefix_processes(lambda cmd: b"wineboot.exe" in cmd), 60,
                   "the end of the Wine session")
        subprocess.run([SERVER, "-p"], env=self.env)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def click_at(self, x, y, *click):
        """A real click at a screen point; click holds xdotool's click options and button."""
        self.xdotool("mousemove", str(x), str(y), "sleep", "0.3", "click", *(click or ["1"]))

    def right_click(self, x=60, y=40):
        """The popup menu after a right press. A window that a started program just closed may
        hold the pointer's place on the display a moment longer: so the press is tried again."""
        for _ in range(4):
            self.click_at(x, y, "3")
            code, lines = self.driver("wait", "", "#32768", "8000", check=False)
            if code == 0:
                return lines[0]
        raise AssertionError("no popup menu after a right press")

    def screenshot(self, name):
        """The whole screen, saved as a build artefact for people to look at."""
        os.makedirs(os.path.join(ROOT, "build", "artefacts"), exist_ok=True)
        subprocess.run(["import", "-window", "root", os.path.join(ROOT, "build", "artefacts", name + ".png")],
                       env=self.env, check=True, capture_output=True)


def parse(line):
    """'[tag] a=1 b=two words c=3' -> dict of the fields; a value runs up to the next ' key='."""
    return dict(part.split("=", 1) for part in re.split(r" (?=[a-z]+=)", line) if "=" in part)


def relay_calls(proc, function):
    """The argument lists of every relay 'Call dll.function(...)' of the process."""
    text = Path(proc.relay_path).read_bytes().decode("latin-1")
    return re.findall(r"Call " + re.escape(function) + r"\((.*)\) ret=", text, re.IGNORECASE)


def wait_started(proc, count):
    """(application or None, command line) of each CreateProcessA call, once there are count."""
    text = r'"((?:[^"\\]|\\.)*)"'
    found = []
    def started():
        found[:] = [tuple(None if g is None else g.encode("latin-1").decode("unicode_escape") for g in m.groups())
                    for args in relay_calls(proc, "kernel32.CreateProcessA")
                    for m in [re.match(r"(?:0{8}|[0-9a-f]{8} " + text + r"),[0-9a-f]{8} " + text, args)] if m]
        return len(found) >= count
    eventually(started, 30, f"{count} program start(s)")
    return found


def box_icon(proc, text_fragment):
    """The icon flags (MB_ICONMASK) of the MessageBoxA call whose text holds the fragment."""
    return next(int(args.rsplit(",", 1)[1], 16) & 0xF0
                for args in relay_calls(proc, "user32.MessageBoxA") if text_fragment in args)


def eventually(check, timeout=20, what="the condition"):
    """Polls check() until it is true: a Wine program may take seconds to react."""
    deadline = time.time() + timeout
    while not check():
        if time.time() > deadline:
            raise AssertionError(f"{what} did not come true within {timeout} s")
        time.sleep(0.3)


class PrefixTest(unittest.TestCase):
    """A test module's scenarios share one prefix, reset before each."""

    @classmethod
    def setUpClass(cls):
        cls.prefix = Prefix(cls.__name__)

    @classmethod
    def tearDownClass(cls):
        cls.prefix.reset()
        subprocess.run([SERVER, "-k"], env=cls.prefix.env)

    def setUp(self):
        self.prefix.reset()
