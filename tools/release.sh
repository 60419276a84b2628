#!/usr/bin/env bash
# Builds the release package: build/release/SwiftDash-<version>.zip with SwiftDash.exe (the
# win32 preset's) and README.TXT, then checks what it holds. The version is the one the
# resource script gives the exe.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/setup.sh
sd_setup
cmake --preset win32 >/dev/null && cmake --build --preset win32 >/dev/null
version=$(sed -n 's/.*VALUE "FileVersion", "\([0-9.]*\)".*/\1/p' src/resources/swiftdash.rc)
zip=build/release/SwiftDash-$version.zip
mkdir -p build/release
rm -f "$zip"
python3 tools/release.py pack "$zip" build/win32/SwiftDash.exe src/resources/README.TXT
python3 tools/release.py check "$zip"
