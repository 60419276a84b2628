#!/usr/bin/env python3
"""Lists the DLLs and functions an exe imports and fails on any that Windows 95/98 lack.

Usage: check_imports.py EXE [--report]
"""
import subprocess
import sys

ALLOWED_DLLS = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL", "SHELL32.DLL",
                "COMDLG32.DLL", "COMCTL32.DLL", "MSVCRT.DLL"}
# Shell mode must start with only these loaded; the rest are loaded on first use.
STARTUP_DLLS = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL", "MSVCRT.DLL"}
FORBIDDEN = {
    "KERNEL32.DLL": {"IsDebuggerPresent", "AddVectoredExceptionHandler",
                     "RemoveVectoredExceptionHandler", "GetTickCount64", "TryEnterCriticalSection",
                     "GetHandleInformation", "InitializeCriticalSectionEx", "GetFileSizeEx",
                     "SetFilePointerEx", "GlobalMemoryStatusEx", "MoveFileExA", "MoveFileExW",
                     "ReplaceFileA", "ReplaceFileW", "IsProcessorFeaturePresent"},
    "COMCTL32.DLL": {"InitCommonControlsEx"},
}
FORBIDDEN_PARTS = ("SRW", "ConditionVariable", "Fls", "InitOnce", "GetModuleHandleEx")


def imports(exe):
    out = subprocess.run(["i686-w64-mingw32-objdump", "-p", exe], check=True,
                         capture_output=True, text=True).stdout
    table, dll = {}, None
    for line in out.splitlines():
        line = line.strip()
        if line.startswith("DLL Name:"):
            dll = line.split(":", 1)[1].strip().upper()
            table[dll] = []
        elif dll and len(line.split()) == 3 and line.split()[1].isdigit():
            table[dll].append(line.split()[2])
        elif dll and not line:
            dll = None if table.get(dll) else dll
    return table


def problems(table):
    found = []
    for dll, names in table.items():
        if dll not in ALLOWED_DLLS:
            found.append(f"{dll}: not a DLL that Windows 95/98 ship")
        if dll not in STARTUP_DLLS:
            found.append(f"{dll}: imported directly; shell mode must load it on first use only")
        for name in names:
            if name in FORBIDDEN.get(dll, ()) or any(p in name for p in FORBIDDEN_PARTS):
                found.append(f"{dll}!{name}: absent from Windows 95/98")
            if dll == "MSVCRT.DLL" and (name.endswith("_s") or "64" in name or name in (
                    "___lc_codepage_func", "___mb_cur_max_func")):
                found.append(f"{dll}!{name}: absent from the Windows 95/98 msvcrt")
    return found


def main():
    exe = sys.argv[1]
    table = imports(exe)
    if "--report" in sys.argv:
        for dll in sorted(table):
            print(f"{dll} ({len(table[dll])}): {' '.join(sorted(table[dll]))}")
    found = problems(table)
    for p in found:
        print("import problem:", p)
    if not table:
        print("no imports read from", exe)
        return 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
