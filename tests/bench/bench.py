#!/usr/bin/env python3
"""Start-up and footprint of SwiftDash.exe in shell mode against the minimal Win32 window
program: both in one prefix, interleaved, figures printed as min/median/max and ratios.

Run through tools/bench.sh, which builds, makes the prefix and the display, and cleans up."""
import argparse
import os
import select
import signal
import statistics
import subprocess
import time

import Xlib.display
import Xlib.error
from Xlib import X

LOADER = "/usr/lib/wine/wine"
TICK = os.sysconf("SC_CLK_TCK")
GUEST_TOP = 1 << 32  # qemu maps the emulated 32-bit address space below 4 GiB, itself above
WAIT_SECONDS = 90    # start-up under emulation takes seconds; a window later than this failed


class Program:
    def __init__(self, name, exe, title, cls):
        self.name, self.exe, self.title, self.cls = name, exe, title, cls

    @property
    def basename(self):
        return self.exe.rsplit("\\", 1)[-1]


PROGRAMS = [Program("SwiftDash", r"C:\windows\SwiftDash.exe", "SwiftDash", "SwiftDashMain"),
            Program("minimal", r"C:\windows\minimal_window.exe", "Minimal", "MinimalWindow")]


class XDisplay:
    """Whether a top-level window with a given name is mapped, asked of the X server: that
    costs the observed Wine process nothing, unlike a Win32 poller, which would be one more
    emulated process competing for the CPU during start-up."""

    def __init__(self, display):
        self.display = Xlib.display.Display(display)
        self.root = self.display.screen().root

    def viewable(self, title):
        for window in self.root.query_tree().children:
            try:
                if window.get_attributes().map_state == X.IsViewable and window.get_wm_name() == title:
                    return True
            except Xlib.error.BadWindow:  # gone meanwhile
                pass
        return False


class Probe:
    """bench_probe.exe inside the prefix, kept running: one line asked, one line answered."""

    def __init__(self, env):
        self.proc = subprocess.Popen([LOADER, r"C:\windows\bench_probe.exe"], env=env,
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL)
        self.buffer = b""

    def ask(self, line, timeout=60):
        self.proc.stdin.write((line + "\n").encode())
        self.proc.stdin.flush()
        deadline = time.monotonic() + timeout
        while b"\n" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.proc.stdout], [], [], left)[0]:
                raise RuntimeError(f"the probe did not answer {line!r}")
            chunk = os.read(self.proc.stdout.fileno(), 4096)
            if not chunk:
                raise RuntimeError("the probe ended")
            self.buffer += chunk
        answer, self.buffer = self.buffer.split(b"\n", 1)
        words = answer.decode("latin-1").split()
        return words[0], dict(w.split("=", 1) for w in words[1:])

    def close(self):
        try:
            self.proc.stdin.write(b"quit\n")
            self.proc.stdin.flush()
            self.proc.wait(timeout=10)
        except (OSError, subprocess.TimeoutExpired):
            self.proc.kill()


def cpu_seconds(pid):
    """utime + stime of the whole process, every thread included, live or ended."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICK


def context_switches(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/status") as f:
                total += sum(int(line.split()[1]) for line in f if "ctxt_switches" in line)
        except FileNotFoundError:
            pass
    return total


def memory(pid):
    """KiB: the qemu process's RssAnon and VmRSS, and the parts inside the emulated space."""
    with open(f"/proc/{pid}/status") as f:
        status = {k: int(v.split()[0]) for k, v in (line.split(":", 1) for line in f) if "kB" in v}
    guest = {"Rss": 0, "Anonymous": 0}
    below = False
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            head = line.split(None, 1)[0]
            if "-" in head:
                below = int(head.split("-")[1], 16) <= GUEST_TOP
            elif below and head[:-1] in guest:
                guest[head[:-1]] += int(line.split()[1])
    return {"rss_anon": status["RssAnon"], "vm_rss": status["VmRSS"],
            "guest_anon": guest["Anonymous"], "guest_rss": guest["Rss"],
            "emulated": "qemu" in os.readlink(f"/proc/{pid}/exe")}


def prefix_processes(prefix):
    """Linux pids of every process running in the prefix."""
    found = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/environ", "rb") as f:
                if b"WINEPREFIX=" + prefix.encode() + b"\0" not in f.read():
                    continue
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                found[int(pid)] = f.read().replace(b"\0", b" ").decode("latin-1").strip()
        except OSError:
            pass
    return found


def program_pid(started, program, prefix):
    """The Linux pid running the exe: the started one (Wine's loader execs into the program),
    or else the prefix's process whose command line ends in the exe's name."""
    try:
        with open(f"/proc/{started}/cmdline", "rb") as f:
            if f.read().rstrip(b"\0").endswith(program.basename.encode()):
                return started
    except OSError:
        pass
    candidates = [pid for pid, cmd in prefix_processes(prefix).items()
                  if cmd.endswith(program.basename)]
    return candidates[0] if candidates else started


class Bench:
    def __init__(self, args):
        self.args = args
        self.env = dict(os.environ, DISPLAY=args.display)
        self.x = XDisplay(args.display)
        self.probe = Probe(self.env)
        self.live = []
        self.baseline = {}

    def start(self, program):
        proc = subprocess.Popen([LOADER, program.exe], env=self.env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.live.append(proc)
        return proc

    def wait_visible(self, program, proc):
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            if self.x.viewable(program.title):
                return None
            if proc.poll() is not None:
                return f"ended with code {proc.returncode} before showing its window"
            time.sleep(0.01)
        return f"no window within {WAIT_SECONDS} s"

    def end(self, program, proc, pid):
        """Logs the program off, then kills it and waits until Wine has forgotten it, so the
        next start is clean: no window left, the instance mutex gone with the process, nothing
        it started alive. A shell killed without the log-off would count as a start that never
        got going, and SwiftDash's third would hand the session back to Explorer."""
        self.probe.ask(f"endsession {program.cls}")
        for p in {pid, proc.pid}:
            try:
                os.kill(p, signal.SIGKILL)
            except ProcessLookupError:
                pass
        try:
            proc.wait(timeout=30)
        except subprocess.TimeoutExpired:
            print(f"  warning: pid {proc.pid} outlived SIGKILL")
        self.live.remove(proc)
        # Wine's own services (the desktop's explorer.exe, rpcss) start with the first window
        # and stay: killing them would leave the rest of the run without the desktop window
        # and its services.
        strays = {p: c for p, c in prefix_processes(self.args.prefix).items()
                  if p not in self.baseline and "\\system32\\" not in c.lower()}
        for p, cmd in strays.items():
            print(f"  note: killing a process left in the prefix: {cmd}")
            os.kill(p, signal.SIGKILL)
        deadline = time.monotonic() + 30
        while any(self.probe.ask(f"info {p.cls}")[0] == "found" for p in PROGRAMS):
            if time.monotonic() > deadline:
                raise RuntimeError("a killed program's window stayed in Wine")
            time.sleep(0.1)

    def measure(self, program):
        started = time.monotonic()
        proc = self.start(program)
        pid = proc.pid
        try:
            failure = self.wait_visible(program, proc)
            shown = time.monotonic()
            if failure:
                return {"failed": failure}
            pid = program_pid(proc.pid, program, self.args.prefix)
            startup_cpu = cpu_seconds(pid)
            time.sleep(self.args.settle_seconds)
            settled_cpu, settled_switches = cpu_seconds(pid), context_switches(pid)
            time.sleep(self.args.idle_seconds)
            idle_cpu, idle_switches = cpu_seconds(pid), context_switches(pid)
            figures = memory(pid)
            answer, info = self.probe.ask(f"info {program.cls}")
            if answer != "found":
                return {"failed": "the probe did not find the window after the idle period"}
            figures.update(
                startup_ms=(shown - started) * 1000, startup_cpu_ms=startup_cpu * 1000,
                settle_cpu_ms=(settled_cpu - startup_cpu) * 1000,
                idle_cpu_ms=(idle_cpu - settled_cpu) * 1000,
                idle_switches=idle_switches - settled_switches,
                pagefile=int(info["pagefile"]) / 1024 if "pagefile" in info else None,
                gdi=info.get("gdi"), user=info.get("user"), user_error=info.get("user_error"),
                top_windows=int(info["top"]),
                all_windows=int(info["all"]) + int(info["msgonly"]))
            return figures
        finally:
            self.end(program, proc, pid)

    def measure_tray(self):
        """Tray mode shows no window: its figures are taken once its hidden main window exists
        and the start has settled."""
        proc = subprocess.Popen([LOADER, PROGRAMS[0].exe, "tray"], env=self.env,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self.live.append(proc)
        pid = proc.pid
        try:
            deadline = time.monotonic() + WAIT_SECONDS
            while self.probe.ask(f"info {PROGRAMS[0].cls}")[0] != "found":  # hidden, but there
                if proc.poll() is not None or time.monotonic() > deadline:
                    return {"failed": "no main window"}
                time.sleep(0.05)
            pid = program_pid(proc.pid, PROGRAMS[0], self.args.prefix)
            time.sleep(self.args.settle_seconds)
            cpu, switches = cpu_seconds(pid), context_switches(pid)
            time.sleep(self.args.idle_seconds)
            figures = memory(pid)
            figures.update(idle_cpu_ms=(cpu_seconds(pid) - cpu) * 1000,
                           idle_switches=context_switches(pid) - switches)
            return figures
        finally:
            self.end(PROGRAMS[0], proc, pid)

    def run(self):
        # One unrecorded start of each warms Wine's caches and the session's services. The probe
        # may run as a process of its own that Wine's loader starts: it is in the baseline once
        # it has answered.
        self.probe.ask(f"info {PROGRAMS[0].cls}")
        self.baseline = prefix_processes(self.args.prefix)
        for program in PROGRAMS:
            print(f"warm-up: {program.name}", flush=True)
            self.measure(program)
        results = {p.name: [] for p in PROGRAMS}
        failures = {p.name: [] for p in PROGRAMS}
        for run in range(self.args.runs):
            # Alternate who goes first, so drift in the machine's load falls on both alike.
            for program in PROGRAMS if run % 2 == 0 else PROGRAMS[::-1]:
                figures = self.measure(program)
                if "failed" in figures:
                    failures[program.name].append(figures["failed"])
                    print(f"run {run + 1} {program.name}: FAILED: {figures['failed']}", flush=True)
                else:
                    results[program.name].append(figures)
                    print(f"run {run + 1} {program.name}: shown after {figures['startup_ms']:.0f} ms, "
                          f"start-up CPU {figures['startup_cpu_ms']:.0f} ms, "
                          f"idle CPU {figures['idle_cpu_ms']:.0f} ms, "
                          f"idle switches {figures['idle_switches']}", flush=True)
        return results, failures

    def footprint(self, pid):
        """Private memory (KiB) and GDI objects of SwiftDash now."""
        _, info = self.probe.ask(f"info {PROGRAMS[0].cls}")
        return {**memory(pid), "pagefile": int(info.get("pagefile", 0)) / 1024, "gdi": info.get("gdi")}

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def in_shell_mode(self, measure):
        """measure(pid) on SwiftDash in shell mode, shown and settled; ended afterwards."""
        program = PROGRAMS[0]
        proc = self.start(program)
        pid = proc.pid
        try:
            failure = self.wait_visible(program, proc)
            if failure:
                return {"failed": failure}
            pid = program_pid(proc.pid, program, self.args.prefix)
            time.sleep(self.args.settle_seconds)
            return measure(pid)
        finally:
            self.end(program, proc, pid)

    def measure_menus(self):
        """Shell mode's footprint before any menu, after the first menu and after the first Open
        dialog (what loading SHELL32 and COMDLG32 costs, paid only on use), and the time from a
        right press to the menu on screen."""
        return self.in_shell_mode(self._menus)

    def _menus(self, pid):
        figures = {"before any menu": self.footprint(pid)}
        self.xdotool("mousemove", "60", "40")
        time.sleep(0.5)
        pressed = time.monotonic()
        self.xdotool("click", "3")
        while self.probe.ask("popup")[0] != "found":
            if time.monotonic() - pressed > WAIT_SECONDS:
                return {"failed": "no menu after the right press"}
        figures["menu_ms"] = (time.monotonic() - pressed) * 1000
        self.xdotool("key", "Escape")
        time.sleep(self.args.settle_seconds)
        figures["after the first menu"] = self.footprint(pid)
        self.xdotool("click", "3", "sleep", "1", "key", "Down", "Return")
        deadline = time.monotonic() + WAIT_SECONDS
        while not self.x.viewable("Browse for EXE"):
            if time.monotonic() > deadline:
                return {"failed": "no Open dialog"}
            time.sleep(0.05)
        time.sleep(self.args.settle_seconds)
        figures["with the first Open dialog"] = self.footprint(pid)
        self.xdotool("key", "Escape")
        time.sleep(self.args.settle_seconds)
        figures["after the first Open dialog"] = self.footprint(pid)
        return figures

    def measure_shortcut(self):
        """Shell mode's footprint before and after its first shortcut start (the double-click
        file is a .lnk to the minimal program): the shell's open verb loads SHELL32 then."""
        return self.in_shell_mode(self._shortcut)

    def _shortcut(self, pid):
        figures = {"before": self.footprint(pid)}
        self.xdotool("mousemove", "47", "47", "sleep", "0.5")
        pressed = time.monotonic()
        self.xdotool("click", "--repeat", "2", "1")
        while not self.x.viewable(PROGRAMS[1].title):
            if time.monotonic() - pressed > WAIT_SECONDS:
                return {"failed": "the shortcut's program did not show"}
            time.sleep(0.05)
        figures["shown_ms"] = (time.monotonic() - pressed) * 1000
        time.sleep(self.args.settle_seconds)
        figures["after"] = self.footprint(pid)
        self.probe.ask(f"close {PROGRAMS[1].cls}")
        return figures

    def activity(self, pid, seconds):
        """CPU milliseconds and context switches per second over the next `seconds`."""
        cpu, switches = cpu_seconds(pid), context_switches(pid)
        time.sleep(seconds)
        return ((cpu_seconds(pid) - cpu) * 1000 / seconds,
                (context_switches(pid) - switches) / seconds)

    def measure_info_windows(self, cycles):
        """Shell mode idle, with System Information open (its 10 Hz refresh), idle again after
        closing it; then the footprint along About/System Information open/close cycles."""
        return self.in_shell_mode(lambda pid: self._info_windows(pid, cycles))

    def _info_windows(self, pid, cycles):
        figures = {"idle before": self.activity(pid, self.args.idle_seconds)}
        if self.probe.ask("sysinfo")[0] != "done":
            return {"failed": "System Information did not open"}
        time.sleep(self.args.settle_seconds)
        figures["System Information open"] = self.activity(pid, self.args.idle_seconds)
        self.probe.ask("close SwiftDashSysInfo")
        time.sleep(self.args.settle_seconds)
        figures["idle after closing it"] = self.activity(pid, self.args.idle_seconds)
        print(f"  CPU ms/s, switches/s: {figures}", flush=True)
        figures["cycles"] = [(0, self.footprint(pid))]
        step = max(cycles // 4, 1)
        for done in range(step, cycles + 1, step):
            began = time.monotonic()
            answer, info = self.probe.ask(f"cycles {step}", timeout=WAIT_SECONDS * step)
            if answer != "done":
                return {"failed": f"cycle {done - step + int(info.get('cycle', 0))} did not open"}
            seconds = time.monotonic() - began
            time.sleep(self.args.settle_seconds)
            figures["cycles"].append((done, {**self.footprint(pid), "ms_per_cycle": seconds * 1000 / step}))
            f = figures["cycles"][-1][1]
            print(f"  {done} cycles: RssAnon {f['rss_anon']} KiB, GDI {f['gdi']}", flush=True)
        return figures

    def close(self):
        for proc in self.live:
            proc.kill()
        self.probe.close()


# (key, label, divisor for the unit, target) in the order printed.
ROWS = [
    ("startup_ms", "start-up time to window shown (ms)", 1, "-"),
    ("startup_cpu_ms", "start-up CPU to window shown (ms)", 1, "<= 1.10x"),
    ("settle_cpu_ms", "CPU between showing and the idle period (ms)", 1, "-"),
    ("rss_anon", "private memory: RssAnon, whole process (MiB)", 1024, "<= 1.10x"),
    ("guest_anon", "private memory: emulated part (MiB)", 1024, "<= 1.10x"),
    ("pagefile", "private memory: Wine PagefileUsage (MiB)", 1024, "<= 1.10x"),
    ("vm_rss", "working set: VmRSS, whole process (MiB)", 1024, "-"),
    ("guest_rss", "working set: emulated part (MiB)", 1024, "-"),
    ("idle_cpu_ms", "idle CPU (ms over the idle period)", 1, "0"),
    ("idle_switches", "idle wake-ups (context switches)", 1, "0"),
    ("gdi", "GDI objects (live in its handle table)", 1, "-"),
    ("user", "USER objects (GetGuiResources)", 1, "-"),
    ("top_windows", "windows owned: top-level", 1, "-"),
    ("all_windows", "windows owned: all (children, message-only)", 1, "-"),
]


def number(value, divisor):
    value /= divisor
    return f"{value:.0f}" if divisor == 1 or value >= 100 else f"{value:.2f}"


def report(results, failures, args):
    sd, mini = (results[p.name] for p in PROGRAMS)
    emulated = any(r.get("emulated") for r in sd + mini)
    lines = [
        f"SwiftDash.exe (shell mode) against minimal_window.exe, one Wine prefix posing as {args.windows}, "
        "interleaved",
        f"runs: {len(sd)} SwiftDash, {len(mini)} minimal measured of {args.runs} each; "
        f"failed: {len(failures['SwiftDash'])} SwiftDash, {len(failures['minimal'])} minimal",
        f"idle period: {args.idle_seconds} s, begun {args.settle_seconds} s after the window shows",
        *(["Wine's 32-bit side runs under qemu-i386 here: absolute CPU, time and memory figures are",
           "inflated by emulation for both programs alike; the ratios are what matters."]
          if emulated else ["Wine's 32-bit side runs natively here: the emulated parts are the whole processes."]),
        "",
        f"{'metric':46} {'SwiftDash min/med/max':>24} {'minimal min/med/max':>24} {'ratio':>7}  target",
    ]
    notes = set()
    for key, label, divisor, target in ROWS:
        cells, medians = [], []
        for rows in (sd, mini):
            values = [r[key] for r in rows if r.get(key) not in (None, "-")]
            if key == "user" and len(values) < len(rows):
                notes.add("GetGuiResources gave no count of USER objects in this Wine "
                          f"(last error {rows[0].get('user_error') or 'none'}).")
            if not values:
                cells.append("n/a")
                medians.append(None)
                continue
            values = [float(v) for v in values]
            med = statistics.median(values)
            medians.append(med)
            cells.append("/".join(number(v, divisor) for v in (min(values), med, max(values))))
        ratio = (f"{medians[0] / medians[1]:.2f}x" if None not in medians and medians[1]
                 else "-")
        lines.append(f"{label:46} {cells[0]:>24} {cells[1]:>24} {ratio:>7}  {target}")
    lines.append("")
    lines += sorted(notes)
    lines += ["PagefileUsage is Wine's reading of the same /proc status as RssAnon (plus swap), "
              "taken a moment later."]
    if emulated:
        lines.append("Emulated part: anonymous (or resident) pages in the 32-bit address space the program "
                     "sees, without qemu's own heap and translated code.")
    for name, reasons in failures.items():
        for reason in sorted(set(reasons)):
            lines.append(f"{name} failed {reasons.count(reason)}x: {reason}")
    return "\n".join(lines) + "\n"


def runs_head(title, runs):
    """The runs that did not fail, and a report's first lines: the title, the count, failures."""
    good = [r for r in runs if "failed" not in r]
    lines = ["", f"{title} ({len(good)} of {len(runs)} runs; medians):"]
    return good, lines + [f"failed: {r['failed']}" for r in runs if "failed" in r]


def menu_report(runs):
    """Medians over the menu runs; the stages in the order they happen."""
    good, lines = runs_head("Menus in shell mode", runs)
    if not good:
        return "\n".join(lines) + "\n"
    lines.append(f"  right press to the menu on screen: {statistics.median(r['menu_ms'] for r in good):.0f} ms")
    lines.append(f"  {'stage':30} {'RssAnon MiB':>12} {'emulated MiB':>13} {'Pagefile MiB':>13} {'GDI':>5}")
    for stage in ("before any menu", "after the first menu", "with the first Open dialog",
                  "after the first Open dialog"):
        cells = [statistics.median(r[stage][k] for r in good) / 1024
                 for k in ("rss_anon", "guest_anon", "pagefile")]
        gdi = [r[stage]["gdi"] for r in good if r[stage]["gdi"] not in (None, "-")]
        gdi_cell = f"{statistics.median(float(g) for g in gdi):.0f}" if gdi else "n/a"
        lines.append(f"  {stage:30} {cells[0]:>12.2f} {cells[1]:>13.2f} {cells[2]:>13.2f} {gdi_cell:>5}")
    return "\n".join(lines) + "\n"


def tray_report(tray, shell):
    """Tray mode's footprint beside shell mode's (medians of the shell-mode runs)."""
    if "failed" in tray:
        return f"tray mode: FAILED: {tray['failed']}\n"
    lines = ["", f"{'SwiftDash tray mode against shell mode':46} {'tray':>12} {'shell median':>14}"]
    for key, label, divisor in [("rss_anon", "private memory: RssAnon (MiB)", 1024),
                                ("guest_anon", "private memory: emulated part (MiB)", 1024),
                                ("idle_cpu_ms", "idle CPU (ms over the idle period)", 1),
                                ("idle_switches", "idle wake-ups (context switches)", 1)]:
        values = [r[key] for r in shell if key in r]
        median = number(statistics.median(values), divisor) if values else "n/a"
        lines.append(f"{label:46} {number(tray[key], divisor):>12} {median:>14}")
    return "\n".join(lines) + "\n"


def shortcut_report(runs):
    """Medians over the runs of the first shortcut start, and the ratio after/before."""
    good, lines = runs_head("First shortcut start in shell mode, SHELL32 loaded by it", runs)
    if not good:
        return "\n".join(lines) + "\n"
    lines.append(f"  double-click to the program's window on screen: "
                 f"{statistics.median(r['shown_ms'] for r in good):.0f} ms")
    lines.append(f"  {'private memory':30} {'before MiB':>11} {'after MiB':>10} {'ratio':>7}")
    for key, label in (("rss_anon", "RssAnon, whole process"), ("guest_anon", "emulated part"),
                       ("pagefile", "Wine PagefileUsage")):
        before, after = (statistics.median(r[stage][key] for r in good) for stage in ("before", "after"))
        ratio = f"{after / before:.2f}x" if before else "-"
        lines.append(f"  {label:30} {before / 1024:>11.2f} {after / 1024:>10.2f} {ratio:>7}")
    return "\n".join(lines) + "\n"


def info_report(figures):
    if "failed" in figures:
        return f"\nAbout/System Information: FAILED: {figures['failed']}\n"
    lines = ["", "System Information in shell mode (per second of the period)",
             f"  {'stage':30} {'CPU ms/s':>9} {'switches/s':>11}"]
    for stage in ("idle before", "System Information open", "idle after closing it"):
        cpu, switches = figures[stage]
        lines.append(f"  {stage:30} {cpu:>9.2f} {switches:>11.2f}")
    lines.append(f"  {'About/System Information cycles':30} {'RssAnon MiB':>12} {'emulated MiB':>13} "
                 f"{'Pagefile MiB':>13} {'GDI':>5} {'ms/cycle':>9}")
    for done, f in figures["cycles"]:
        per_cycle = f"{f['ms_per_cycle']:.0f}" if "ms_per_cycle" in f else "-"
        lines.append(f"  {done:>30} {f['rss_anon'] / 1024:>12.2f} {f['guest_anon'] / 1024:>13.2f} "
                     f"{f['pagefile'] / 1024:>13.2f} {f['gdi'] or 'n/a':>5} {per_cycle:>9}")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--idle-seconds", type=float, default=10)
    # Painting and the first messages after the window shows are not idleness; past 20 s the
    # shell's one-shot start-up timer has fired too.
    parser.add_argument("--settle-seconds", type=float, default=2)
    parser.add_argument("--menu-runs", type=int, default=3)
    parser.add_argument("--info-cycles", type=int, default=1000)
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--display", required=True)
    parser.add_argument("--report", required=True)
    parser.add_argument("--windows", default="win98", help="the Windows version Wine poses as")
    args = parser.parse_args()
    bench = Bench(args)
    try:
        results, failures = bench.run()
        print("tray mode", flush=True)
        tray = bench.measure_tray()
        menus = [bench.measure_menus() for _ in range(args.menu_runs)]
        print("the first shortcut start", flush=True)
        shortcuts = [bench.measure_shortcut() for _ in range(args.menu_runs)]
        print("About and System Information", flush=True)
        info = bench.measure_info_windows(args.info_cycles)
    finally:
        bench.close()
    text = (report(results, failures, args) + tray_report(tray, results["SwiftDash"]) +
            menu_report(menus) + shortcut_report(shortcuts) + info_report(info))
    print("\n" + text, end="")
    with open(args.report, "w") as f:
        f.write(text)


if __name__ == "__main__":
    main()
