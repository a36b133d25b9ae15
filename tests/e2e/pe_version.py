#!/usr/bin/env python3
"""Prints the version resource of a Windows program, read straight from its PE file, as the package check needs it:
one "key=value" line for each string of its first string table (FileDescription=…, ProductName=…), then
"fixed.FileVersion=a.b.c.d" and "fixed.ProductVersion=a.b.c.d" from the fixed part, which Explorer's Properties
shows as the file version. Exit 1, with the reason on stderr, when the file has no readable version resource.

    pe_version.py PROGRAM.exe
"""
import struct
import sys

RT_VERSION = 16
FIXED_SIGNATURE = 0xFEEF04BD


class NotReadable(Exception):
    pass


def unpack(fmt, data, offset):
    size = struct.calcsize(fmt)
    if offset < 0 or offset + size > len(data):
        raise NotReadable(f"{fmt} at {offset} runs past the end ({len(data)} bytes)")
    return struct.unpack_from(fmt, data, offset)


def resource_section(pe):
    """The resource directory's bytes and its RVA."""
    if pe[:2] != b"MZ":
        raise NotReadable("no MZ header")
    (header,) = unpack("<I", pe, 0x3C)
    if pe[header:header + 4] != b"PE\0\0":
        raise NotReadable("no PE signature")
    _, sections, _, _, _, optional_size, _ = unpack("<HHIIIHH", pe, header + 4)
    optional = header + 24
    (magic,) = unpack("<H", pe, optional)
    directories = {0x10B: 96, 0x20B: 112}.get(magic)
    if directories is None:
        raise NotReadable(f"unknown optional header 0x{magic:x}")
    (count,) = unpack("<I", pe, optional + directories - 4)
    if count <= 2:
        raise NotReadable("no resource directory entry")
    rva, size = unpack("<II", pe, optional + directories + 2 * 8)
    if rva == 0 or size == 0:
        raise NotReadable("no resources")
    table = optional + optional_size
    for i in range(sections):
        _, virtual_size, address, raw_size, raw_pointer = unpack("<8sIIII", pe, table + 40 * i)
        if address <= rva < address + max(virtual_size, raw_size):
            start = raw_pointer + rva - address
            return pe[start:raw_pointer + raw_size], rva
    raise NotReadable("the resource directory is in no section")


def first_entry(rsrc, offset, wanted_id=None):
    """(is_directory, offset) of the entry with this id, or of the first entry, in a resource directory."""
    named, ids = unpack("<HH", rsrc, offset + 12)
    for i in range(named + ids):
        name, target = unpack("<II", rsrc, offset + 16 + 8 * i)
        if wanted_id is None or (not name & 0x80000000 and name == wanted_id):
            return bool(target & 0x80000000), target & 0x7FFFFFFF
    raise NotReadable(f"no resource entry {wanted_id}")


def find_version(pe):
    rsrc, rva = resource_section(pe)
    is_directory, offset = first_entry(rsrc, 0, RT_VERSION)
    for _ in range(2):  # name, then language
        if not is_directory:
            raise NotReadable("the version resource's tree is too shallow")
        is_directory, offset = first_entry(rsrc, offset)
    if is_directory:
        raise NotReadable("the version resource's tree is too deep")
    data_rva, size, _, _ = unpack("<IIII", rsrc, offset)
    start = data_rva - rva
    if start < 0 or start + size > len(rsrc):
        raise NotReadable("the version resource lies outside the resource section")
    return rsrc[start:start + size]


def align4(n):
    return (n + 3) & ~3


def block(data, offset, end):
    """One node of the version tree: (key, value bytes, value type, children's start, node end)."""
    length, value_length, value_type = unpack("<HHH", data, offset)
    node_end = offset + length
    if length < 6 or node_end > end:
        raise NotReadable(f"a version node at {offset} is {length} bytes long")
    key_end = offset + 6
    while True:
        (unit,) = unpack("<H", data, key_end)
        key_end += 2
        if unit == 0 or key_end >= node_end:
            break
    key = data[offset + 6:key_end - 2].decode("utf-16-le", "replace")
    value_start = align4(key_end)
    value_size = value_length * 2 if value_type == 1 else value_length
    value = data[value_start:min(value_start + value_size, node_end)]
    return key, value, value_type, align4(value_start + value_size), node_end


def children(data, start, end):
    offset = start
    while offset + 6 <= end:
        node = block(data, offset, end)
        yield node
        offset = align4(node[4])


def dotted(high, low):
    return f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"


def read_version(pe):
    data = find_version(pe)
    key, value, _, first_child, end = block(data, 0, len(data))
    if key != "VS_VERSION_INFO" or len(value) < 52:
        raise NotReadable(f"the root is {key!r} with {len(value)} bytes of fixed information")
    fields = struct.unpack_from("<13I", value)
    if fields[0] != FIXED_SIGNATURE:
        raise NotReadable("the fixed information has no signature")
    found = {}
    for key, _, _, tables_start, node_end in children(data, first_child, end):
        if key != "StringFileInfo":
            continue
        for _, _, _, strings_start, table_end in children(data, tables_start, node_end):
            for name, text, _, _, _ in children(data, strings_start, table_end):
                found[name] = text.decode("utf-16-le", "replace").split("\0", 1)[0]
            break  # the first table is the one Explorer shows
    found["fixed.FileVersion"] = dotted(fields[2], fields[3])
    found["fixed.ProductVersion"] = dotted(fields[4], fields[5])
    return found


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    try:
        with open(sys.argv[1], "rb") as f:
            found = read_version(f.read())
    except (OSError, NotReadable) as e:
        print(f"pe_version: {sys.argv[1]}: {e}", file=sys.stderr)
        return 1
    for key, value in found.items():
        print(f"{key}={value}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
