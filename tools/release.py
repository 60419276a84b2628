#!/usr/bin/env python3
"""Packs the release zip and checks a packed one.

  release.py pack ZIP EXE README   writes ZIP holding SwiftDash.exe and README.TXT
  release.py check ZIP             fails unless ZIP holds exactly those two files and the
                                   readme is plain text a Windows 95/98 user can read
"""
import sys
import zipfile

NAMES = ("SwiftDash.exe", "README.TXT")
MAX_LINE = 76


def pack(zip_path, exe, readme):
    with zipfile.ZipFile(zip_path, "w", zipfile.ZIP_DEFLATED) as z:
        z.write(exe, NAMES[0])
        z.write(readme, NAMES[1])


def readme_problems(text):
    """Notepad and EDIT want CRLF line ends, ASCII and lines that fit their window."""
    found = []
    if not text.endswith(b"\r\n"):
        found.append("README.TXT: the last line has no CRLF")
    for number, line in enumerate(text.split(b"\r\n"), 1):
        if b"\r" in line or b"\n" in line:
            found.append(f"README.TXT line {number}: a line end that is not CRLF")
        if len(line) > MAX_LINE:
            found.append(f"README.TXT line {number}: {len(line)} characters, over {MAX_LINE}")
        if any(b > 0x7E or (b < 0x20 and b != 0x09) for b in line.replace(b"\r", b"").replace(b"\n", b"")):
            found.append(f"README.TXT line {number}: not plain ASCII")
    return found


def check(zip_path):
    with zipfile.ZipFile(zip_path) as z:
        names = sorted(z.namelist())
        if names != sorted(NAMES):
            return [f"{zip_path} holds {names}, not exactly {sorted(NAMES)}"]
        found = readme_problems(z.read("README.TXT"))
        if not z.read("SwiftDash.exe").startswith(b"MZ"):
            found.append("SwiftDash.exe is not an exe")
        return found


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "pack":
        pack(*sys.argv[2:])
        return 0
    if len(sys.argv) == 3 and sys.argv[1] == "check":
        found = check(sys.argv[2])
        for problem in found:
            print("release problem:", problem)
        if not found:
            print(f"{sys.argv[2]}: {', '.join(NAMES)}")
        return 1 if found else 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main())
