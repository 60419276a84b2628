"""End-to-end harness: a fresh Windows-98-like prefix with SwiftDash.exe in C:\\windows, the
real exe started with a command line, and the UI driver to look at and click its windows.
What the program asked of the system is read from Wine's relay channel."""
import os
import re
import shutil
import subprocess
import time
import unittest

ROOT = os.environ.get("SD_ROOT") or os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
WIN32_DIR = os.environ.get("SD_WIN32_DIR") or os.path.join(ROOT, "build", "win32")
WINE_DIR = os.path.join(ROOT, "build", "wine")
ARTEFACTS = os.path.join(ROOT, "build", "artefacts")
LOADER = "/usr/lib/wine/wine"
SERVER = "/usr/lib/wine/wineserver64"


def _session_display():
    env_file = os.path.join(WINE_DIR, "session", "env")
    with open(env_file) as f:
        for line in f:
            if line.startswith("DISPLAY="):
                return line.strip().split("=", 1)[1]
    raise RuntimeError("no Wine session display; run through CTest")


class Prefix:
    """One private prefix for one test module; reset between scenarios."""

    def __init__(self, name):
        self.path = os.path.join(WINE_DIR, "e2e", name)
        subprocess.run(["bash", "-c", f'. "{ROOT}/tools/wine.sh" && sd_new_prefix "$1"', "-", self.path],
                       check=True)
        with open(os.path.join(WINE_DIR, "session", "prefixes"), "a") as f:
            f.write(self.path + "\n")
        self.windows = os.path.join(self.path, "drive_c", "windows")
        self.ini_path = os.path.join(self.windows, "system.ini")
        shutil.copy(os.path.join(WIN32_DIR, "SwiftDash.exe"), self.windows)
        shutil.copy(os.path.join(WIN32_DIR, "tests", "e2e", "driver", "sddriver.exe"), self.windows)
        with open(self.ini_path, "rb") as f:
            self.original_ini = f.read()
        self.env = dict(os.environ, WINEPREFIX=self.path, WINEARCH="win32", WINEDEBUG="-all",
                        WINESERVER=SERVER, DISPLAY=_session_display(),
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        self.processes = []
        self.server()

    def server(self):
        """A persistent Wine server, so that process starts stay cheap."""
        subprocess.run([SERVER, "-p"], env=self.env, check=False)

    def start(self, args="", exe="C:\\windows\\SwiftDash.exe", name="sd"):
        """Starts SwiftDash with a command line; its relay log goes to a file."""
        log_path = os.path.join(self.path, f"{name}-{len(self.processes)}.relay")
        argv = [LOADER, exe] + ([args] if args else [])
        env = dict(self.env, WINEDEBUG="-all,+relay")
        with open(log_path, "wb") as log:
            proc = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=log)
        proc.relay_path = log_path
        self.processes.append(proc)
        return proc

    def driver(self, *args, timeout=150, check=True):
        """Runs the UI driver; returns its exit code and key=value lines."""
        # Output through a file, not a pipe: Wine's background processes, started by the first
        # program of a session, inherit the handles and would hold a pipe open.
        out_path = os.path.join(self.path, "driver.out")
        with open(out_path, "wb") as out_file:
            proc = subprocess.Popen([LOADER, "C:\\windows\\sddriver.exe", *args], env=self.env,
                                    stdout=out_file, stderr=subprocess.DEVNULL)
            code = proc.wait(timeout=timeout)
        with open(out_path, "rb") as f:
            out = f.read().decode("latin-1")
        if check and code != 0:
            raise AssertionError(f"sddriver {' '.join(args)} failed ({code}): {out}")
        return code, [parse(line) for line in out.splitlines() if line.strip()]

    def window(self, title, cls="*", timeout_ms=90000):
        return self.driver("wait", title, cls, str(timeout_ms))[1][0]

    def controls(self, title, cls="*", timeout_ms=90000):
        return self.driver("wait", title, cls, str(timeout_ms))[1][1:]

    def has_window(self, title, cls="*", timeout_ms=0):
        return self.driver("wait", title, cls, str(timeout_ms), check=False)[0] == 0

    def gone(self, title, cls="*", timeout_ms=20000):
        return self.driver("gone", title, cls, str(timeout_ms), check=False)[0] == 0

    def close_window(self, title):
        """Closes a window as its close box does, and waits until it is gone."""
        self.driver("close", title)
        if not self.gone(title):
            raise AssertionError(f"{title} stayed open")

    def message_box(self, title, timeout_ms=60000):
        """The texts of the message box's controls, once it is up."""
        return [c.get("text", "") for c in self.controls(title, "#32770", timeout_ms)]

    def answer(self, title, button):
        self.driver("click", title, button)

    def setting(self, name):
        _, lines = self.driver("getreg", name)
        return None if lines[0].get("absent") else lines[0]["value"]

    def set_settings(self, **values):
        for name, value in values.items():
            self.driver("setreg", name, value)

    def clear_settings(self):
        self.driver("delreg")

    def start_shell(self, wait=True, **settings):
        """A shell-mode start that is not a first run, with these settings stored first."""
        self.set_settings(Version="130", **settings)
        proc = self.start()
        if wait:
            self.window("SwiftDash", "SwiftDashMain")
        return proc

    def place(self, path, source):
        """A file at a path of the prefix's C: drive: bytes, or a copy of a file."""
        target = os.path.join(self.path, "drive_c", *path[3:].split("\\"))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if isinstance(source, bytes):
            with open(target, "wb") as f:
                f.write(source)
        else:
            shutil.copy(source, target)

    def read_ini(self):
        with open(self.ini_path, "rb") as f:
            return f.read()

    def reset(self):
        """Between scenarios: no SwiftDash running, the original system.ini, an empty store."""
        self.kill_programs()
        with open(self.ini_path, "wb") as f:
            f.write(self.original_ini)
        for leftover in ("temp11.tmp", "temp11.bak"):
            path = os.path.join(self.windows, leftover)
            if os.path.exists(path):
                os.remove(path)
        self.clear_settings()

    def prefix_processes(self, name):
        """Linux pids of this prefix's Windows processes whose command line holds the name."""
        pids = []
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as f:
                    cmdline = f.read()
                with open(f"/proc/{pid}/environ", "rb") as f:
                    environ = f.read().split(b"\0")
            except OSError:
                continue
            if name.encode() in cmdline and f"WINEPREFIX={self.path}".encode() in environ:
                pids.append(int(pid))
        return pids

    def kill_programs(self):
        """Ends the programs a scenario started. The Wine server and its services stay: a new
        server would boot the prefix again, which takes many seconds under emulation."""
        # A session end that a scenario asked for must be over first, or it would also end
        # the next scenario's programs.
        self.session_ended()
        for proc in self.processes:
            if proc.poll() is None:
                proc.kill()
        for proc in self.processes:
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass

    def session_ended(self):
        """After a log-off or restart that ended the prefix's session: a server again."""
        eventually(lambda: not self.prefix_processes("wineboot.exe"), timeout=60,
                   what="the end of the Wine session")
        self.server()

    def close(self):
        self.kill_programs()
        subprocess.run([SERVER, "-k"], env=self.env, check=False)

    def xdotool(self, *args):
        """Real mouse and keyboard events on the display."""
        subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": self.env["DISPLAY"]},
                       check=True)

    def click_at(self, x, y, *click):
        """A real click at a screen point; click holds xdotool's click options and button."""
        self.xdotool("mousemove", str(x), str(y), "sleep", "0.3", "click", *(click or ["1"]))

    def right_click(self, x=60, y=40):
        """The popup after a right press (its entries cannot be read from another process
        under Wine). A window that a started program just closed may hold the pointer's
        place on the display a moment longer: so the press is tried again."""
        for _ in range(4):
            self.click_at(x, y, "3")
            code, lines = self.driver("wait", "", "#32768", "8000", check=False)
            if code == 0:
                return lines[0]
        raise AssertionError("no popup menu after a right press")

    def screenshot(self, name):
        """Saves the whole screen as a build artefact."""
        os.makedirs(ARTEFACTS, exist_ok=True)
        path = os.path.join(ARTEFACTS, name + ".png")
        subprocess.run(["import", "-display", self.env["DISPLAY"], "-window", "root", path],
                       check=True, capture_output=True)


def parse(line):
    """'[tag] a=1 b=two words c=3' -> dict of the fields; a value runs up to the next ' key='."""
    return dict(part.split("=", 1) for part in re.split(r" (?=[a-z]+=)", line) if "=" in part)


def relay_calls(proc, function):
    """The argument lists of every relay 'Call dll.function(...)' of the process."""
    with open(proc.relay_path, "rb") as f:
        text = f.read().decode("latin-1")
    return re.findall(r"Call " + re.escape(function) + r"\((.*)\) ret=", text, re.IGNORECASE)


def started_programs(proc):
    """(application or None, command line) of each CreateProcessA call of the process."""
    text = r'"((?:[^"\\]|\\.)*)"'
    found = []
    for args in relay_calls(proc, "kernel32.CreateProcessA"):
        m = re.match(r"(?:0{8}|[0-9a-f]{8} " + text + r"),[0-9a-f]{8} " + text, args)
        if m:
            app, line = (None if g is None else g.encode("latin-1").decode("unicode_escape")
                         for g in m.groups())
            found.append((app, line))
    return found


def wait_exit(proc, timeout=60):
    try:
        return proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        raise AssertionError(f"the process did not end within {timeout} s")


def wait_started(proc, count):
    """The programs the process started, once there are at least count."""
    eventually(lambda: len(started_programs(proc)) >= count, timeout=30,
               what=f"{count} program start(s)")
    return started_programs(proc)


def box_icon(proc, text_fragment):
    """The icon flags (MB_ICONMASK) of the MessageBoxA call whose text holds the fragment."""
    for args in relay_calls(proc, "user32.MessageBoxA"):
        if text_fragment in args:
            return int(args.rsplit(",", 1)[1], 16) & 0xF0
    raise AssertionError(f"no MessageBoxA with {text_fragment!r}")


def eventually(check, timeout=20, what="the condition"):
    """Polls check() until it is true: under emulation the program may take seconds to react."""
    deadline = time.time() + timeout
    while True:
        if check():
            return
        if time.time() > deadline:
            raise AssertionError(f"{what} did not come true within {timeout} s")
        time.sleep(0.3)


def stays_running(proc, seconds=3):
    time.sleep(seconds)
    return proc.poll() is None


class PrefixTest(unittest.TestCase):
    """A test module's scenarios share one prefix, reset before each."""

    @classmethod
    def setUpClass(cls):
        cls.prefix = Prefix(cls.__name__)

    @classmethod
    def tearDownClass(cls):
        cls.prefix.close()

    def setUp(self):
        self.prefix.reset()
