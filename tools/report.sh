#!/usr/bin/env bash
# Prints what the shipped exe is made of: its size and parts, whether any instruction is newer
# than the Pentium, and the DLLs and functions it imports, checked against Windows 95/98.
#   tools/report.sh               the exe of the win32 preset (built if needed)
#   tools/report.sh --fresh-clone also times the test command on a fresh clone of HEAD
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/setup.sh
sd_setup
cmake --preset win32 >/dev/null && cmake --build --preset win32 >/dev/null
exe=build/win32/SwiftDash.exe

python3 tools/exe_size.py "$exe" --limit 131072 || true
# The test code against the product code: lines of tests/ (the benchmark aside) against
# lines of C++ under src/; the aim is a quarter to a third.
test_lines=$(find tests -path tests/bench -prune -o -path '*fuzz_corpus*' -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' -o -name 'CMakeLists.txt' \) -print \
    | xargs cat | wc -l)
src_lines=$(find src -type f \( -name '*.cpp' -o -name '*.h' \) -print | xargs cat | wc -l)
echo "Tests: $test_lines lines against $src_lines lines of product C++ ($(python3 -c "print(f'{$test_lines/$src_lines:.2f}')")x)"
i686-w64-mingw32-objdump -p "$exe" | awk '/MajorOSystemVersion|MinorOSystemVersion|MajorSubsystemVersion|MinorSubsystemVersion/{print "  " $1 " " $2}'
echo
echo "Instructions (none may be newer than the Pentium):"
python3 tools/check_instructions.py "$exe" | tail -n 20 | sed 's/^/  /' || true
echo
echo "Imports:"
python3 tools/check_imports.py "$exe" --report --sources src | sed 's/^/  /'
echo
cat <<'NOTE'
The exe links none of MinGW's start-up files, libstdc++, libgcc or MSVCRT.DLL (src/runtime
stands in for them), so every import above comes from SwiftDash's own code and src/runtime.
SHELL32, COMDLG32 and COMCTL32 are loaded on first use, and what Windows 95 may lack
(MoveFileExA, GlobalMemoryStatusEx, RegisterServiceProcess's absence on NT) is looked up
with GetProcAddress.
NOTE

if [ "${1:-}" = "--fresh-clone" ]; then
    clone=$(mktemp -d)/swiftdash
    git clone -q . "$clone"
    echo
    echo "Test command on a fresh clone ($clone):"
    start=$SECONDS
    (cd "$clone" && bash tools/test.sh) | tail -n 3 || echo "the test command failed"
    echo "wall time: $((SECONDS - start)) s"
fi
