#!/usr/bin/env python3
"""Holds src/ to its layers: a folder includes only folders on layers below its own. Reads
every #include "..." under src/ and fails, naming file and line, on one that reaches up a
layer or across to another folder on the same layer.
    check_layers.py [SRC_DIR]"""
import os
import re
import sys

# From the bottom up. Folders on one layer do not include each other.
LAYERS = [
    ["runtime"],                               # the exe's own C++ runtime support
    ["resources"],                             # resource ids and the pictures
    ["platform"],                              # the platform interface and its Win32 side
    ["core", "ui"],                            # process-wide module; window kit and host
    ["session", "settings", "info_windows"],   # the subsystems
    ["menus"],                                 # opens the subsystems' windows
    ["shell_window"],                          # App, start-up, the main window
]
LAYER_OF = {folder: n for n, layer in enumerate(LAYERS) for folder in layer}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def check(src):
    faults = []
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp", ".rc")):
                continue
            path = os.path.join(root, name)
            rel = os.path.relpath(path, src).replace(os.sep, "/")
            folder = rel.split("/")[0]
            if "/" not in rel or folder not in LAYER_OF:
                faults.append(f"{rel}: the folder is on no layer (add it to LAYERS)")
                continue
            with open(path, encoding="latin-1") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m or "/" not in m.group(1):
                        continue  # a file beside the includer
                    target = m.group(1).split("/")[0]
                    where = f"src/{rel}:{number}: includes {m.group(1)}"
                    if target == folder:
                        continue
                    if target not in LAYER_OF:
                        faults.append(f"{where}: {target}/ is on no layer")
                    elif LAYER_OF[target] > LAYER_OF[folder]:
                        faults.append(f"{where}: {target}/ is on a layer above {folder}/")
                    elif LAYER_OF[target] == LAYER_OF[folder]:
                        faults.append(f"{where}: {target}/ is beside {folder}/ on its layer")
    return faults


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")
    faults = check(src)
    for fault in faults:
        print(fault)
    print(f"{len(faults)} include(s) against the layers" if faults else "every include goes down")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
