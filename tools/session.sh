#!/usr/bin/env bash
# A Windows log-on loop over a prefix: each log-on finds the shell as the Windows the prefix
# poses as does, and starts it; a log-off or restart logs on again, a shut-down ends the loop.
# Windows 95/98 read the shell= line of system.ini; 2000 and later the string Shell under the
# user's Winlogon key, else the machine-wide one.
# Usage: tools/session.sh PREFIX                (DISPLAY must be set)
#        tools/session.sh --next-shell PREFIX   print what the next log-on would start
set -uo pipefail
SD_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$SD_ROOT/tools/wine.sh"
only_tell=
[ "$1" = --next-shell ] && { only_tell=1; shift; }
prefix=$1
sd_wine_env "$prefix"
ini=$prefix/drive_c/windows/system.ini
logs=$(dirname "$prefix")/logs
mkdir -p "$logs"

# A string value as reg prints it, or nothing (absent, or not a string).
reg_string() {  # reg_string KEY VALUE
    sd_wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' \
        | sed -n "s/^ *$2 *REG_\(EXPAND_\)\?SZ *//p" | head -n 1
}

winlogon='Software\Microsoft\Windows NT\CurrentVersion\Winlogon'
# The shell the log-on starts, as the Windows the prefix poses as chooses it.
next_shell() {
    case $(reg_string 'HKCU\Software\Wine' Version) in
        win95|win98|winme|'') sd_shell_line "$ini" ;;
        *) local user
           user=$(reg_string "HKCU\\$winlogon" Shell)
           [ -n "$user" ] && echo "$user" || reg_string "HKLM\\$winlogon" Shell ;;
    esac
}

if [ -n "$only_tell" ]; then
    next_shell
    exit 0
fi

# How the last session ended, from the relay log: 0 log-off, 1 shut-down, 2 restart.
session_end() {
    grep -ho 'Call user32.ExitWindowsEx([0-9a-f]*' "$logs"/logon-"$1"-*.log 2>/dev/null \
        | tail -n 1 | sed 's/.*(0*//; s/^$/0/'
}

# Every program of a log-on runs on one of Wine's virtual desktops, where Wine draws the title
# bars and frames itself. The desktop named "shell" has Wine's taskbar, Start button and
# notification area: the Explorer side. "Default" is the bare desktop, as Windows is without
# Explorer: the SwiftDash side. Set before the log-on, so later programs (tools/run.sh exec)
# join the same desktop.
use_desktop() {
    sd_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d "$1" /f >/dev/null 2>&1
    sd_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$1" /d "${SD_DESKTOP_SIZE:-1024x768}" /f \
        >/dev/null 2>&1
}

n=0
while true; do
    n=$((n + 1))
    shell=$(next_shell)
    program=${shell//\"/}
    name=$(basename "${program//\\//}")
    name=${name%.*}
    echo "log-on $n: shell=$shell"
    echo "$n" > "$logs/current"
    if [ "${name,,}" = "explorer" ] || [ -z "$name" ]; then
        # The normal shell's side: Wine's desktop with its taskbar, and SwiftDash beside it in
        # the notification area, as a StartUp group would start it.
        use_desktop shell
        export WINEDEBUG=-all,+relay
        sd_wine 'C:\windows\SwiftDash.exe' tray >/dev/null 2>"$logs/logon-$n-tray.log" &
    else
        use_desktop Default
        export WINEDEBUG=-all,+relay
        # 95/98 find a bare name in the Windows folder; the NT family's value is a full path.
        [[ $program == *\\* ]] || program="C:\\windows\\$name.exe"
        sd_wine "$program" >/dev/null 2>"$logs/logon-$n-shell.log" &
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
