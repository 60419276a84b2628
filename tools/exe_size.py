#!/usr/bin/env python3
"""Prints what an exe's bytes are made of (sections, and the resources by type) and fails if
the file is larger than the limit.

Usage: exe_size.py EXE [--limit BYTES]
"""
import struct
import sys

RESOURCE_TYPES = {1: "cursor", 2: "bitmap", 3: "icon", 4: "menu", 5: "dialog", 6: "string table",
                  12: "cursor group", 14: "icon group", 16: "version record", 24: "manifest"}
PICTURE_TYPES = {1, 2, 3, 12, 14}


def sections(data):
    """(name, virtual address, raw size, raw offset) of each section."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    count, optional_size = struct.unpack_from("<H", data, pe + 6)[0], struct.unpack_from("<H", data, pe + 20)[0]
    table = pe + 24 + optional_size
    found = []
    for i in range(count):
        name, _, address, raw_size, raw_offset = struct.unpack_from("<8sIIII", data, table + 40 * i)
        found.append((name.rstrip(b"\0").decode(), address, raw_size, raw_offset))
    return found


def resources_by_type(data, rsrc_address, rsrc_offset):
    """Bytes of resource data per resource type id (or name) in the .rsrc section."""
    def entries(directory):
        named, ids = struct.unpack_from("<HH", data, rsrc_offset + directory + 12)
        for i in range(named + ids):
            yield struct.unpack_from("<II", data, rsrc_offset + directory + 16 + 8 * i)

    def leaf_bytes(entry):
        if entry & 0x80000000:
            return sum(leaf_bytes(child) for _, child in entries(entry & 0x7FFFFFFF))
        address, size = struct.unpack_from("<II", data, rsrc_offset + entry)
        return size

    totals = {}
    for type_id, entry in entries(0):
        key = type_id if not type_id & 0x80000000 else "named"
        totals[key] = totals.get(key, 0) + leaf_bytes(entry)
    return totals


def main():
    exe = sys.argv[1]
    limit = int(sys.argv[sys.argv.index("--limit") + 1]) if "--limit" in sys.argv else None
    data = open(exe, "rb").read()
    print(f"{exe}: {len(data)} bytes" + (f" (limit {limit})" if limit else ""))
    for name, address, raw_size, raw_offset in sections(data):
        print(f"  section {name:<8} {raw_size:7} bytes in the file")
        if name == ".rsrc":
            totals = resources_by_type(data, address, raw_offset)
            pictures = sum(v for k, v in totals.items() if k in PICTURE_TYPES)
            for key, size in sorted(totals.items(), key=lambda kv: -kv[1]):
                print(f"    {RESOURCE_TYPES.get(key, key)!s:<16} {size:7} bytes")
            print(f"    pictures {pictures} bytes, other resources {sum(totals.values()) - pictures} bytes")
    if limit is not None and len(data) > limit:
        print(f"too large: {len(data)} bytes, {len(data) - limit} over the limit of {limit}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
