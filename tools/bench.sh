#!/usr/bin/env bash
# The benchmark command: SwiftDash.exe in shell mode against the minimal window program.
#   tools/bench.sh [--windows VERSION] [--runs N] [--idle-seconds S] [--settle-seconds S] [--info-cycles N]
# --windows xp (win10, nt40...): Wine poses as that Windows; the report is report-<version>.txt.
# Builds, prepares a private prefix and display, runs tests/bench/bench.py, cleans up.
set -euo pipefail
SD_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$SD_ROOT"
. tools/setup.sh
sd_setup

runs=15 idle=10 settle=2 cycles=1000 pose=98
while [ $# -gt 0 ]; do
    case $1 in
        --windows) pose=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        --idle-seconds) idle=$2; shift 2 ;;
        --settle-seconds) settle=$2; shift 2 ;;
        --info-cycles) cycles=$2; shift 2 ;;
        *) echo "usage: tools/bench.sh [--windows VERSION] [--runs N] [--idle-seconds S] [--settle-seconds S] [--info-cycles N]" >&2; exit 2 ;;
    esac
done

cmake --preset win32 >/dev/null
cmake --build --preset win32
out=$SD_ROOT/build/bench
mkdir -p "$out"
# The probe is not shipped, so it may use what Windows 95 lacks (GetGuiResources, psapi, ntdll).
i686-w64-mingw32-g++-win32 -std=c++17 -O2 -static -Wall -Wextra -DWINVER=0x0501 \
    -D_WIN32_WINNT=0x0501 -o "$out/bench_probe.exe" tests/bench/probe/probe.cpp -lpsapi -lntdll

. tools/wine.sh
version=$(sd_wine_version "$pose")
report=$out/report.txt
[ "$version" = win98 ] || report=$out/report-$version.txt
prefix=$SD_WINE_DIR/bench/prefix
cleanup() {
    WINEPREFIX=$prefix sd_wineserver -k 2>/dev/null || true
    [ -f "$out/xvfb.pid" ] && kill "$(cat "$out/xvfb.pid")" 2>/dev/null
    rm -f "$out/xvfb.pid"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

sd_new_prefix "$prefix"
sd_wine_env "$prefix"
DISPLAY=$(sd_start_xvfb "$out/xvfb.pid")
export DISPLAY
sd_wineserver -p  # one server for the whole benchmark: each program start stays cheap
sd_pose_as "$version"
windows=$prefix/drive_c/windows
cp build/win32/SwiftDash.exe build/win32/tests/bench/fixture/minimal_window.exe \
   build/win32/tests/e2e/driver/sddriver.exe "$out/bench_probe.exe" "$windows/"
echo "starting the Wine session (a minute under emulation)"
# A stored version marks the first run as done: no message box in front of the main window.
sd_wine reg add 'HKCU\Software\SwiftDash\Default' /v Version /d 130 /f >/dev/null 2>&1
# The double-click file is a shortcut to the minimal program: the first shortcut start's cost.
sd_wine 'C:\windows\sddriver.exe' link 'C:\windows\minimal.lnk' 'C:\windows\minimal_window.exe' >/dev/null 2>&1
sd_wine reg add 'HKCU\Software\SwiftDash\Default' /v DoubleClickOnMainWindow /d 5 /f >/dev/null 2>&1
sd_wine reg add 'HKCU\Software\SwiftDash\Default' /v DoubleClickOpenFile /d 'C:\windows\minimal.lnk' /f >/dev/null 2>&1
# No window manager runs on this display: without this, Wine waits for one for 2 s at every
# hidden window, and the About/System Information cycles would measure those waits.
sd_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

# The distribution's Python: python3-xlib is installed for it.
/usr/bin/python3 tests/bench/bench.py --runs "$runs" --idle-seconds "$idle" --settle-seconds "$settle" --info-cycles "$cycles" --prefix "$prefix" \
    --display "$DISPLAY" --windows "$version" --report "$report"
