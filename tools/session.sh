#!/usr/bin/env bash
# A Windows 98 log-on loop over a prefix: each log-on reads the shell= line of system.ini and
# starts that shell; a log-off or restart logs on again, a shut-down ends the loop.
# Usage: tools/session.sh PREFIX   (DISPLAY must be set)
set -uo pipefail
SD_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$SD_ROOT/tools/wine.sh"
prefix=$1
sd_wine_env "$prefix"
ini=$prefix/drive_c/windows/system.ini
logs=$(dirname "$prefix")/logs
mkdir -p "$logs"

# The first shell line of the [boot] section, as Windows reads it.
shell_line() {
    awk 'BEGIN{IGNORECASE=1} /^\[/{boot=(tolower($0) ~ /^\[boot\]/)} boot && /^shell=/{sub(/\r$/,""); sub(/^[^=]*=/,""); print; exit}' "$ini"
}

# How the last session ended, from the relay log: 0 log-off, 1 shut-down, 2 restart.
session_end() {
    grep -ho 'Call user32.ExitWindowsEx([0-9a-f]*' "$logs"/logon-"$1"-*.log 2>/dev/null \
        | tail -n 1 | sed 's/.*(0*//; s/^$/0/'
}

n=0
while true; do
    n=$((n + 1))
    shell=$(shell_line)
    name=$(basename "${shell//\\//}")
    name=${name%.*}
    echo "log-on $n: shell=$shell"
    echo "$n" > "$logs/current"
    if [ "${name,,}" = "explorer" ] || [ -z "$name" ]; then
        # The normal shell's side: Wine's own desktop, and SwiftDash beside it in the
        # notification area, as a StartUp group would start it. (Wine's virtual desktop with a
        # taskbar does not come up when Wine itself runs under emulation, so it is not used.)
        export WINEDEBUG=-all,+relay
        sd_wine 'C:\windows\SwiftDash.exe' tray >/dev/null 2>"$logs/logon-$n-tray.log" &
    else
        export WINEDEBUG=-all,+relay
        sd_wine "C:\\windows\\$name.exe" >/dev/null 2>"$logs/logon-$n-shell.log" &
    fi
    export WINEDEBUG=-all
    started=$SECONDS
    sleep 2
    sd_wineserver -w   # the session lasts until its last program has gone
    wait
    end=$(session_end "$n")
    if [ -z "$end" ] && [ $((SECONDS - started)) -lt 10 ]; then
        echo "the shell ended at once (see $logs/logon-$n-*.log): stopping"; exit 1
    fi
    case $end in
        0) echo "logged off" ;;
        2) echo "restarting" ;;
        1) echo "shut down"; exit 0 ;;
        *) echo "the session ended without a log-off: logging on again" ;;
    esac
done
