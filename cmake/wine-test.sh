#!/usr/bin/env bash
# The Wine test launcher, called by CTest:
#   session-start | session-stop   the display and template for the whole run
#   gtest EXE [ARGS]               an in-process test exe in a fresh private prefix
#   e2e PYTHON SCRIPT              an end-to-end script; it makes its own prefixes
set -uo pipefail
SD_ROOT=${SD_ROOT:-$(cd "$(dirname "$0")/.." && pwd)}
. "$SD_ROOT/tools/wine.sh"
state=$SD_WINE_DIR/session
mkdir -p "$state"

die() { echo "wine-test: $*" >&2; exit 1; }

need() {
    [ -x "$SD_WINE_LOADER" ] || die "Wine's 32-bit loader ($SD_WINE_LOADER) is missing: run tools/setup.sh"
    /lib/ld-linux.so.2 --version >/dev/null 2>&1 || die "i386 programs do not run here: run tools/setup.sh"
    command -v Xvfb >/dev/null || die "Xvfb is missing: run tools/setup.sh"
}

load_session() {
    [ -f "$state/env" ] || die "no Wine session: the wine_session_start test did not run"
    . "$state/env"
    export DISPLAY SD_SESSION_DIR=$state
}

case ${1:-} in
session-start)
    need
    rm -f "$state"/env "$state"/xvfb.pid "$state"/prefixes
    if [ -n "${SD_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then display=$DISPLAY
    else display=$(sd_start_xvfb "$state/xvfb.pid") || die "Xvfb did not start"; fi
    echo "DISPLAY=$display" > "$state/env"
    sd_template >/dev/null || die "the template prefix could not be made"
    echo "display $display, template ready"
    ;;
session-stop)
    if [ -f "$state/prefixes" ]; then
        while read -r prefix; do WINEPREFIX=$prefix sd_wineserver -k 2>/dev/null; done < "$state/prefixes"
    fi
    [ -f "$state/xvfb.pid" ] && kill "$(cat "$state/xvfb.pid")" 2>/dev/null
    rm -f "$state"/env "$state"/xvfb.pid "$state"/prefixes
    exit 0
    ;;
gtest)
    need; load_session
    exe=$2; shift 2
    [ -f "$exe" ] || die "$exe is not built: build the wine-tests preset (tools/test.sh does)"
    prefix=$SD_WINE_DIR/tests/$(basename "$exe" .exe)
    sd_new_prefix "$prefix" || die "no prefix"
    echo "$prefix" >> "$state/prefixes"
    sd_wine_env "$prefix"
    sd_wineserver -p   # one server for the whole exe, ended below
    # Windows on Wine's virtual desktop: on the bare X display every hidden window would wait,
    # with no window manager to answer, for the X server to confirm it withdrawn.
    sd_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    sd_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    cp "$exe" "$prefix/drive_c/"
    sd_wine "C:\\$(basename "$exe")" "$@"
    rc=$?
    sd_wineserver -k 2>/dev/null
    exit $rc
    ;;
e2e)
    need; load_session
    [ -f "$SD_WIN32_DIR/SwiftDash.exe" ] || die "SwiftDash.exe is not built: build the win32 preset"
    shift
    exec "$@"
    ;;
*)
    die "usage: wine-test.sh session-start|session-stop|gtest EXE|e2e PYTHON SCRIPT"
    ;;
esac
