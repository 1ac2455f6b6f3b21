#!/usr/bin/env python3
"""Prints the target and working folder of a Windows shortcut (.lnk) as two lines,
"target=PATH" and "folder=PATH", read from the Shell Link binary format: the target from the
LinkInfo's local base path and common path suffix, the folder from the working-directory string."""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR, IS_UNICODE = (
    0x1, 0x2, 0x4, 0x8, 0x10, 0x80)
VOLUME_ID_AND_LOCAL_BASE_PATH = 0x1


def c_string(data, offset):
    return data[offset:data.index(b"\0", offset)].decode("cp1252")


def read(data):
    if len(data) < 0x4C or struct.unpack_from("<I", data, 0)[0] != 0x4C:
        raise ValueError("not a shell link")
    flags = struct.unpack_from("<I", data, 0x14)[0]
    offset = 0x4C
    if flags & HAS_ID_LIST:
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    target = None
    if flags & HAS_LINK_INFO:
        size, _, info_flags, _, base_offset, _, suffix_offset = struct.unpack_from("<7I", data, offset)
        if info_flags & VOLUME_ID_AND_LOCAL_BASE_PATH:
            target = c_string(data, offset + base_offset) + c_string(data, offset + suffix_offset)
        offset += size
    folder = None
    for flag in (HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR):
        if not flags & flag:
            continue
        count = struct.unpack_from("<H", data, offset)[0]
        width = 2 if flags & IS_UNICODE else 1
        text = data[offset + 2:offset + 2 + count * width]
        offset += 2 + count * width
        if flag == HAS_WORKING_DIR:
            # Wine counts the terminating NUL in; Windows does not.
            folder = text.decode("utf-16-le" if width == 2 else "cp1252").rstrip("\0")
    return target, folder


if __name__ == "__main__":
    with open(sys.argv[1], "rb") as link:
        target, folder = read(link.read())
    print(f"target={target}\nfolder={folder}")
