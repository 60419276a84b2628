#!/usr/bin/env bash
# Installs what the build, the run and the tests need, quietly and only when missing.
# Safe to run again; sourced by tools/run.sh and tools/test.sh.
set -euo pipefail

SD_PACKAGES=(cmake ninja-build clang g++ python3 googletest
             g++-mingw-w64-i686 binutils-mingw-w64-i686
             wine wine32:i386 wine64 wine32-preloader:i386 fonts-wine xvfb x11-utils x11-apps xdotool
             imagemagick mtools xorriso python3-xlib)

sd_log() { printf '[setup] %s\n' "$*" >&2; }

sd_need_root() {
    if [ "$(id -u)" != 0 ]; then
        if command -v sudo >/dev/null; then echo sudo; else
            sd_log "installing packages needs root (or sudo)"; exit 1; fi
    fi
}

sd_install_packages() {
    local missing=() sudo
    for p in "${SD_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    sudo=$(sd_need_root)
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    sd_log "installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Bookworm's qemu 7.2 kills Wine's processes under emulation ("Got unexpected trap -1"): the
# prefix's explorer.exe, and with it the notification area, is gone within seconds. The
# emulator comes from bookworm-backports (10.x), whose suite is added beside the machine's own
# Debian entry.
SD_BACKPORTS=/etc/apt/sources.list.d/sd-bookworm-backports.sources

sd_qemu_current() {
    local v
    v=$(dpkg-query -W -f='${Status} ${Version}' qemu-user-static 2>/dev/null) || return 1
    case $v in "install ok installed "*) ;; *) return 1 ;; esac
    v=${v##* }; v=${v#*:}
    [ "${v%%.*}" -ge 10 ] 2>/dev/null
}

sd_install_qemu() {
    sd_qemu_current && return 0
    local sudo uri; sudo=$(sd_need_root)
    if [ ! -f "$SD_BACKPORTS" ]; then
        uri=$(awk '/^URIs:/ && $2 ~ /debian\/?$/ {print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null)
        [ -n "$uri" ] || uri=$(awk '$1=="deb" && $2 !~ /security/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
        [ -n "$uri" ] || uri=http://deb.debian.org/debian
        printf 'Types: deb\nURIs: %s\nSuites: bookworm-backports\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
            "$uri" | $sudo tee "$SD_BACKPORTS" >/dev/null
    fi
    sd_log "installing qemu-user-static from bookworm-backports"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        -t bookworm-backports qemu-user-static >/dev/null
    # The F flag keeps the registered interpreter open: register the new one in its place.
    if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        echo -1 | $sudo tee /proc/sys/fs/binfmt_misc/qemu-i386 >/dev/null
    fi
}

# Wine's 32-bit loader is an i386 Linux program. Where the kernel runs no 32-bit code
# (IA-32 emulation switched off), qemu's user-mode emulator runs it through binfmt_misc.
sd_enable_i386() {
    if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then return 0; fi
    local sudo; sudo=$(sd_need_root)
    if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
        $sudo mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    fi
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        sd_log "running i386 programs through qemu-i386-static"
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
            | $sudo tee /proc/sys/fs/binfmt_misc/register >/dev/null
    fi
    if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
        sd_log "this machine cannot run i386 programs, so Wine's 32-bit side cannot start"; exit 1
    fi
}

sd_setup() {
    sd_install_packages
    if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1 || [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        sd_install_qemu
    fi
    sd_enable_i386
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then sd_setup; fi
