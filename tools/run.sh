#!/usr/bin/env bash
# Runs SwiftDash in a Windows-98-like Wine session: installs what is missing, builds, prepares
# the prefix and logs on. With a display the windows appear there; without one a private Xvfb
# is started and screenshots can be taken.
#   tools/run.sh                 log on (and on again after each log-off or restart)
#   tools/run.sh --fresh         the same, starting from a new prefix
#   tools/run.sh exec ARGS...    run SwiftDash.exe ARGS in the running session (e.g. exec switch)
#   tools/run.sh screenshot FILE save the running session's screen as a PNG
# --windows VERSION first (xp, win10, nt40, ...) runs each of them in a prefix of its own where
# Wine poses as that Windows, whose log-on reads the per-user Shell value.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/setup.sh
. tools/wine.sh
version=win98
if [ "${1:-}" = --windows ]; then
    version=$(sd_wine_version "${2:-}")
    shift 2
fi
run_dir=$SD_WINE_DIR/run
[ "$version" = win98 ] || run_dir=$SD_WINE_DIR/run-$version
prefix=$run_dir/prefix
logs=$run_dir/logs
mkdir -p "$run_dir"

case ${1:-} in
exec)
    shift
    [ -f "$run_dir/display" ] || { echo "no session is running"; exit 1; }
    sd_wine_env "$prefix"; export DISPLAY=$(cat "$run_dir/display")
    # Into the log-on's relay log, where the session reads how the log-on ended.
    export WINEDEBUG=-all,+relay
    exec "$SD_WINE_LOADER" 'C:\windows\SwiftDash.exe' "$@" \
        2>>"$run_dir/logs/logon-$(cat "$run_dir/logs/current")-exec.log"
    ;;
screenshot)
    [ -f "$run_dir/display" ] || { echo "no session is running"; exit 1; }
    import -display "$(cat "$run_dir/display")" -window root "${2:-screenshot.png}"
    echo "saved ${2:-screenshot.png}"
    exit 0
    ;;
--fresh) rm -rf "$prefix" "$logs" ;;
"") ;;
*) echo "usage: tools/run.sh [--windows VERSION] [--fresh] | exec ARGS... | screenshot FILE"; exit 2 ;;
esac

sd_setup
cmake --preset win32 >/dev/null
cmake --build --preset win32 >/dev/null
# A prefix made by an older recipe is made anew (its settings go with it).
[ "$(cat "$prefix/.sd-template" 2>/dev/null)" = "$SD_TEMPLATE_VERSION" ] || sd_new_prefix "$prefix"
(sd_wine_env "$prefix"; sd_pose_as "$version"; sd_wineserver -w)
cp build/win32/SwiftDash.exe "$prefix/drive_c/windows/"

xvfb_pid=
cleanup() {
    rm -f "$run_dir/display"
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    return 0
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    DISPLAY=$(sd_start_xvfb "$run_dir/xvfb.pid")
    xvfb_pid=$(cat "$run_dir/xvfb.pid")
    echo "no display: running on Xvfb $DISPLAY; take a screenshot with: tools/run.sh screenshot FILE"
fi
export DISPLAY
echo "$DISPLAY" > "$run_dir/display"
tools/session.sh "$prefix"  # not exec: the cleanup above ends the private Xvfb
