#!/usr/bin/env bash
# Builds the release files, then checks what they hold: build/release/SwiftDash-<version>.zip
# with SwiftDash.exe (the win32 preset's) and README.TXT, and a floppy image (.img) and a CD
# image (.iso) with FILE_ID.DIZ beside them, for emulators. The version is the one the resource
# script gives the exe.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/setup.sh
sd_setup
cmake --preset win32 >/dev/null && cmake --build --preset win32 >/dev/null
version=$(sed -n 's/.*VALUE "FileVersion", "\([0-9.]*\)".*/\1/p' src/resources/swiftdash.rc)
mkdir -p build/release
python3 tools/release.py pack build/release "$version" build/win32/SwiftDash.exe \
    src/resources/README.TXT src/resources/FILE_ID.DIZ
python3 tools/release.py check build/release "$version" build/win32/SwiftDash.exe src/resources/README.TXT
