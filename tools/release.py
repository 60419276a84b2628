#!/usr/bin/env python3
"""Packs the release files and checks packed ones.

  release.py pack DIR VERSION EXE README DIZ
      writes DIR/SwiftDash-VERSION.zip (SwiftDash.exe, README.TXT), and for emulators, which
      take files on a floppy or a CD, DIR/SwiftDash-VERSION.img (a 1.44 MB FAT12 floppy, by
      mtools) and DIR/SwiftDash-VERSION.iso (ISO 9660 with Joliet, by xorriso), each holding
      SwiftDash.exe, README.TXT and FILE_ID.DIZ (DIZ with @VERSION@ filled in)
  release.py check DIR VERSION EXE README
      fails unless each file holds exactly what it should, byte for byte, under the names a
      Windows 95/98 user sees, and the readme and the DIZ are text those users can read
"""
import os
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

EXE, README, DIZ = "SwiftDash.exe", "README.TXT", "FILE_ID.DIZ"
MAX_LINE = 76
DIZ_LINES, DIZ_WIDTH = 10, 45                  # what download lists show of a FILE_ID.DIZ
FLOPPY_BYTES = 1474560                         # 80 tracks, 2 heads, 18 sectors of 512 bytes
FLOPPY_ROOM = 2847 * 512                       # its data clusters
# The floppy's 8.3 names, with the long name a VFAT directory adds where the 8.3 one differs;
# the CD's ISO 9660 level 1 names and its Joliet names.
FLOPPY_NAMES = {("SWIFTD~1.EXE", EXE), ("README.TXT", None), ("FILE_ID.DIZ", None)}
ISO_NAMES = {"SWIFTDAS.EXE": EXE, "README.TXT": README, "FILE_ID.DIZ": DIZ}


def names(directory, version):
    return {kind: Path(directory, f"SwiftDash-{version}.{kind}") for kind in ("zip", "img", "iso")}


def run(*command, text=False):
    return subprocess.run(command, check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          text=text).stdout


def pack(directory, version, exe, readme, diz_template):
    out = names(directory, version)
    with tempfile.TemporaryDirectory() as tmp:
        content = Path(tmp, "content")
        content.mkdir()
        Path(content, EXE).write_bytes(Path(exe).read_bytes())
        Path(content, README).write_bytes(Path(readme).read_bytes())
        Path(content, DIZ).write_bytes(Path(diz_template).read_bytes().replace(b"@VERSION@", version.encode()))
        for path in out.values():
            path.unlink(missing_ok=True)
        with zipfile.ZipFile(out["zip"], "w", zipfile.ZIP_DEFLATED) as z:
            z.write(Path(content, EXE), EXE)
            z.write(Path(content, README), README)
        files = [str(Path(content, n)) for n in (EXE, README, DIZ)]
        run("mformat", "-i", str(out["img"]), "-C", "-f", "1440", "-v", "SWIFTDASH", "::")
        run("mcopy", "-i", str(out["img"]), *files, "::")
        run("xorriso", "-as", "mkisofs", "-quiet", "-iso-level", "1", "-J", "-V", "SWIFTDASH",
            "-o", str(out["iso"]), str(content))


def text_problems(name, text, max_lines, width):
    """Notepad and EDIT want CRLF line ends, ASCII and lines that fit their window."""
    found = []
    if not text.endswith(b"\r\n"):
        found.append(f"{name}: the last line has no CRLF")
    lines = text[:-2].split(b"\r\n") if text.endswith(b"\r\n") else text.split(b"\r\n")
    if max_lines and len(lines) > max_lines:
        found.append(f"{name}: {len(lines)} lines, over {max_lines}")
    for number, line in enumerate(lines, 1):
        if b"\r" in line or b"\n" in line:
            found.append(f"{name} line {number}: a line end that is not CRLF")
        if len(line) > width:
            found.append(f"{name} line {number}: {len(line)} characters, over {width}")
        if any(b > 0x7E or (b < 0x20 and b not in b"\t\r\n") for b in line):
            found.append(f"{name} line {number}: not plain ASCII")
    return found


def floppy_listing(img):
    """{(8.3 name, long name or None)} from mdir's lines: 'NAME     EXT   size date time [long]'."""
    listing = set()
    for line in run("mdir", "-i", str(img), "::", text=True).splitlines():
        if len(line) < 13 or line.startswith((" ", "Directory")) or "bytes" in line:
            continue
        base, ext = line[:8].strip(), line[9:12].strip()
        rest = line[12:].split()
        listing.add((base + ("." + ext if ext else ""), " ".join(rest[3:]) or None))
    return listing


def iso_listing(iso, tree):
    out = run("xorriso", "-read_fs", tree, "-ecma119_map", "stripped", "-indev", str(iso), "-ls", "/",
              text=True)
    return {line.strip("'") for line in out.splitlines() if line.startswith("'")}


def check(directory, version, exe, readme):
    out = names(directory, version)
    expected = {EXE: Path(exe).read_bytes(), README: Path(readme).read_bytes()}
    found = text_problems(README, expected[README], 0, MAX_LINE)
    with zipfile.ZipFile(out["zip"]) as z:
        if sorted(z.namelist()) != sorted((EXE, README)):
            found.append(f"{out['zip']} holds {sorted(z.namelist())}, not {EXE} and {README}")
        else:
            found += [f"{out['zip']}: {n} differs" for n in (EXE, README) if z.read(n) != expected[n]]
    if os.path.getsize(out["zip"]) > FLOPPY_ROOM:
        found.append(f"{out['zip']}: too big for one floppy")

    img = out["img"]
    if os.path.getsize(img) != FLOPPY_BYTES or Path(img).read_bytes()[54:62] != b"FAT12   ":
        found.append(f"{img}: not a 1.44 MB FAT12 floppy image")
    if floppy_listing(img) != FLOPPY_NAMES:
        found.append(f"{img} holds {sorted(floppy_listing(img), key=str)}, not {sorted(FLOPPY_NAMES, key=str)}")
    floppy = {long or short: run("mcopy", "-n", "-i", str(img), "::" + short, "-")
              for short, long in FLOPPY_NAMES}
    found += text_problems(DIZ, floppy[DIZ], DIZ_LINES, DIZ_WIDTH)
    if f"SwiftDash {version} ".encode() not in floppy[DIZ]:
        found.append(f"{DIZ}: its first line does not name SwiftDash {version}")
    expected[DIZ] = floppy[DIZ]
    found += [f"{img}: {n} differs" for n in (EXE, README) if floppy[n] != expected[n]]

    iso = out["iso"]
    for tree, wanted in (("ecma119", set(ISO_NAMES)), ("norock", set(ISO_NAMES.values()))):
        if iso_listing(iso, tree) != wanted:
            found.append(f"{iso}: its {tree} names are {sorted(iso_listing(iso, tree))}, not {sorted(wanted)}")
    with tempfile.TemporaryDirectory() as tmp:
        run("xorriso", "-osirrox", "on", "-read_fs", "norock", "-indev", str(iso), "-extract", "/", tmp)
        found += [f"{iso}: {n} differs" for n in expected if Path(tmp, n).read_bytes() != expected[n]]
    return found


def main():
    args = sys.argv[1:]
    if len(args) == 6 and args[0] == "pack":
        pack(*args[1:])
        return 0
    if len(args) == 5 and args[0] == "check":
        found = check(*args[1:])
        for problem in found:
            print("release problem:", problem)
        if not found:
            print("\n".join(f"{path}: {os.path.getsize(path)} bytes" for path in names(*args[1:3]).values()))
        return 1 if found else 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main())
