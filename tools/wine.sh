#!/usr/bin/env bash
# Wine helpers shared by the run command, the test launcher and the benchmarks: private
# prefixes made from one cached template, the display, and the Wine server.
# Source it; it defines functions and changes nothing by itself.

SD_ROOT=${SD_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
SD_WINE_DIR=${SD_WINE_DIR:-$SD_ROOT/build/wine}
SD_WINE_LOADER=/usr/lib/wine/wine          # the 32-bit loader: SwiftDash is an i686 program
SD_WINESERVER=/usr/lib/wine/wineserver64   # serves 32-bit clients and runs natively

sd_wine_env() {  # sd_wine_env PREFIX: this shell's Wine calls go to PREFIX
    export WINEPREFIX="$1" WINEARCH=win32 WINEDEBUG=${SD_WINEDEBUG:--all}
    export WINESERVER=$SD_WINESERVER
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

sd_wine() { "$SD_WINE_LOADER" "$@"; }

sd_wineserver() { "$SD_WINESERVER" "$@"; }

# A Windows-98-like prefix: system.ini with a [boot] section, the system fonts in C:\windows\Fonts
# (Wine's stand-ins for MS Sans Serif, Tahoma...; Debian's Wine finds them only there), Wine
# posing as Windows 98 with Windows 98's look (no visual theme, which would also draw tab pages
# white behind controls painted in the button face, and the Windows Standard colours), the relay
# channel limited to the calls the tests watch, and no crash dialogs.
SD_TEMPLATE_VERSION=5  # raise when the recipe below changes, so cached templates are remade

sd_template() {
    local template=$SD_WINE_DIR/template
    if [ "$(cat "$template/.sd-ready" 2>/dev/null)" = "$SD_TEMPLATE_VERSION" ]; then
        echo "$template"; return 0
    fi
    rm -rf "$template" "$template.tmp"
    mkdir -p "$SD_WINE_DIR"
    (
        sd_wine_env "$template.tmp"
        sd_wine wineboot -i >/dev/null 2>&1 || true
        sd_wineserver -w
        local ini="$WINEPREFIX/drive_c/windows/system.ini"
        [ -f "$ini" ] || { echo "wineboot made no system.ini in $WINEPREFIX" >&2; exit 1; }
        { printf '[boot]\r\nshell=Explorer.exe\r\nsystem.drv=system.drv\r\nuser.exe=user.exe\r\n'
          cat "$ini"; } > "$ini.new" && mv "$ini.new" "$ini"
        cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
        cat > "$WINEPREFIX/drive_c/sd-template.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine]
"Version"="win98"

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\ThemeManager]
"ThemeActive"="0"

[HKEY_CURRENT_USER\Control Panel\Colors]
"ActiveBorder"="192 192 192"
"ActiveTitle"="0 0 128"
"AppWorkSpace"="128 128 128"
"Background"="0 128 128"
"ButtonDkShadow"="0 0 0"
"ButtonFace"="192 192 192"
"ButtonHilight"="255 255 255"
"ButtonLight"="192 192 192"
"ButtonShadow"="128 128 128"
"ButtonText"="0 0 0"
"GradientActiveTitle"="16 132 208"
"GradientInactiveTitle"="192 192 192"
"GrayText"="128 128 128"
"Hilight"="0 0 128"
"HilightText"="255 255 255"
"HotTrackingColor"="0 0 255"
"InactiveBorder"="192 192 192"
"InactiveTitle"="128 128 128"
"InactiveTitleText"="192 192 192"
"InfoText"="0 0 0"
"InfoWindow"="255 255 225"
"Menu"="192 192 192"
"MenuText"="0 0 0"
"Scrollbar"="192 192 192"
"TitleText"="255 255 255"
"Window"="255 255 255"
"WindowFrame"="0 0 0"
"WindowText"="0 0 0"

[HKEY_CURRENT_USER\Software\Wine\Debug]
"RelayInclude"="user32.ExitWindowsEx;user32.MessageBoxA;kernel32.RegisterServiceProcess;shell32.Shell_NotifyIconA;kernel32.CreateProcessA;kernel32.MoveFileA;kernel32.DeleteFileA;user32.SetShellWindow;advapi32.AdjustTokenPrivileges"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Auto"="1"
"Debugger"="false"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
        sd_wine regedit /S 'C:\sd-template.reg' >/dev/null 2>&1
        sd_wineserver -w
        rm -f "$WINEPREFIX/drive_c/sd-template.reg"
    ) || return 1
    mv "$template.tmp" "$template"
    echo "$SD_TEMPLATE_VERSION" > "$template/.sd-ready"
    echo "$template"
}

# A fresh prefix from the template. The big, never-written files are hard links; what Wine or
# SwiftDash rewrite in place (the INI files, the registry) are real copies.
sd_new_prefix() {  # sd_new_prefix DEST
    local template dest=$1
    template=$(sd_template) || return 1
    rm -rf "$dest"
    mkdir -p "$(dirname "$dest")"
    cp -al "$template" "$dest"
    rm -f "$dest/.sd-ready"
    echo "$SD_TEMPLATE_VERSION" > "$dest/.sd-template"
    local f
    for f in "$dest"/*.reg "$dest"/drive_c/windows/*.ini; do
        cp --remove-destination "$template/${f#"$dest"/}" "$f"
    done
}

# The value of the first shell line of system.ini's [boot] section, as Windows 95/98 read it.
sd_shell_line() {  # sd_shell_line SYSTEM_INI
    awk 'BEGIN{IGNORECASE=1} /^\[/{boot=(tolower($0) ~ /^\[boot\]/)} boot && /^shell=/{sub(/\r$/,""); sub(/^[^=]*=/,""); print; exit}' "$1"
}

# The program a log-on starts: the shell line's base name, folder and extension dropped, as
# Windows reads it (a short name such as SWIF~G5Q included); the shell is then
# C:\windows\NAME.exe. Empty without a shell line.
sd_logon_shell() {  # sd_logon_shell SYSTEM_INI
    local shell
    shell=$(sd_shell_line "$1")
    shell=$(basename "${shell//\\//}" 2>/dev/null)
    echo "${shell%.*}"
}

# Wine's name for a Windows version as the commands take it (xp, win10, nt40, 98...).
sd_wine_version() {  # sd_wine_version NAME
    case ${1,,} in
        95|win95) echo win95 ;; 98|win98) echo win98 ;; me|winme) echo winme ;;
        nt4|nt40|winnt4) echo nt40 ;; 2000|2k|win2k) echo win2k ;; xp|winxp) echo winxp ;;
        7|win7) echo win7 ;; 10|win10) echo win10 ;;
        *) echo "unknown Windows version: $1 (98, nt40, 2000, xp, 7, win10...)" >&2; return 1 ;;
    esac
}

# Wine in the current prefix poses as that Windows version from the next program on.
sd_pose_as() {  # sd_pose_as WINE_VERSION
    sd_wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
}

# A display: the user's own, or a private Xvfb. Prints the DISPLAY value to use.
sd_start_xvfb() {  # sd_start_xvfb PIDFILE
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        echo $! > "$1"
        local i
        for i in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && { echo ":$n"; return 0; }
            sleep 0.1
        done
        kill "$(cat "$1")" 2>/dev/null
    done
    echo "no free X display for Xvfb" >&2
    return 1
}
