#!/usr/bin/env bash
# Every test: installs what is missing, builds the three presets, then one CTest run over the
# host tests, the in-process Wine tests and the end-to-end tests. Ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/setup.sh
sd_setup

jobs=$(nproc)
for preset in host win32 wine-tests; do
    echo "== build $preset"
    cmake --preset "$preset" >/dev/null
    if ! cmake --build --preset "$preset" -j "$jobs" > "build/$preset.log" 2>&1; then
        tail -n 60 "build/$preset.log"
        echo "build of $preset failed (build/$preset.log)"
        exit 1
    fi
done

echo "== tests"
ctest --test-dir build/host --output-on-failure --timeout 1200 "$@"
