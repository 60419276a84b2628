#!/usr/bin/env python3
"""Fails on any instruction in an exe's code that a Pentium (P5) lacks, listing each one.

Windows 95/98 ran on 486, Pentium, Pentium MMX, AMD K6 and Cyrix processors: the first
Pentium Pro instruction (CMOV, FCOMI...) or MMX/SSE/3DNow! instruction such a machine meets is
an invalid-opcode fault.

Usage: check_instructions.py EXE
"""
import re
import subprocess
import sys

# Pentium Pro and later, by mnemonic (AT&T spelling, size suffixes included by the patterns).
NEWER_MNEMONICS = re.compile(
    r"^(cmov\w+|fcmov\w+|f(u)?comip?|sysenter|sysexit|rdpmc"  # Pentium Pro / Pentium II
    r"|emms|femms|pf\w+|pi2f[dw]|pavgusb|pswapd"  # MMX, 3DNow!
    r"|prefetch\w*|movnt\w+|[slm]fence|clflush\w*|ldmxcsr|stmxcsr|fxsave\w*|fxrstor\w*"  # SSE
    r"|fisttp\w*|popcnt\w*|lzcnt\w*|movbe\w*|crc32\w*)$")  # later still
# Not TZCNT: it is REP BSF, which GCC emits for generic tuning because older processors run
# it as BSF (same result for a non-zero operand).
# MMX and SSE registers; any instruction naming one is newer than the Pentium.
VECTOR_REGISTER = re.compile(r"%[xyz]?mm\d")
PREFIXES = {"lock", "rep", "repz", "repnz", "repe", "repne", "data16", "addr16", "cs", "ds",
            "es", "fs", "gs", "ss"}


def disassembly(exe):
    return subprocess.run(["i686-w64-mingw32-objdump", "-d", "--no-show-raw-insn", exe],
                          check=True, capture_output=True, text=True).stdout


def newer_instructions(text):
    """(address, instruction) of every instruction newer than the Pentium; and the count read."""
    found, count = [], 0
    for line in text.splitlines():
        m = re.match(r"^\s*([0-9a-f]+):\s*\t?(\S.*)$", line)
        if not m:
            continue
        address, instruction = m.group(1), re.sub(r"<[^>]*>", "", m.group(2).split("#")[0]).strip()
        if not instruction or instruction.startswith("..."):
            continue
        count += 1
        words = instruction.split()
        while words and words[0] in PREFIXES:
            words = words[1:]
        mnemonic = words[0] if words else ""
        if NEWER_MNEMONICS.match(mnemonic) or VECTOR_REGISTER.search(instruction):
            found.append((address, instruction))
    return found, count


def main():
    exe = sys.argv[1]
    found, count = newer_instructions(disassembly(exe))
    for address, instruction in found:
        print(f"{address}: {instruction}")
    if count == 0:
        print("no instructions read from", exe)
        return 1
    if found:
        print(f"{len(found)} of {count} instructions need more than a Pentium")
        return 1
    print(f"{count} instructions, none newer than the Pentium")
    return 0


if __name__ == "__main__":
    sys.exit(main())
