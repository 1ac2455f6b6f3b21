#!/usr/bin/env python3
"""Prints a Windows shortcut's target and working folder as "target=PATH" and "folder=PATH",
read from the Shell Link binary format: the LinkInfo's local base path and common path suffix,
and the working-directory string."""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x1, 0x2, 0x80
STRINGS_BEFORE_AND_AT_WORKING_DIR = (0x4, 0x8, 0x10)  # name, relative path, working folder


def c_string(data, offset):
    return data[offset:data.index(b"\0", offset)].decode("cp1252")


def read(data):
    flags = struct.unpack_from("<I", data, 0x14)[0]
    offset = 0x4C
    if flags & HAS_ID_LIST:
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    target = folder = None
    if flags & HAS_LINK_INFO:
        size, _, info_flags, _, base, _, suffix = struct.unpack_from("<7I", data, offset)
        if info_flags & 1:  # a local path rather than a network share
            target = c_string(data, offset + base) + c_string(data, offset + suffix)
        offset += size
    width, encoding = (2, "utf-16-le") if flags & IS_UNICODE else (1, "cp1252")
    for flag in STRINGS_BEFORE_AND_AT_WORKING_DIR:
        if flags & flag:
            count = struct.unpack_from("<H", data, offset)[0]
            # Wine counts the terminating NUL in; Windows does not.
            folder = data[offset + 2:offset + 2 + count * width].decode(encoding).rstrip("\0")
            offset += 2 + count * width
    return target, folder if flags & 0x10 else None


with open(sys.argv[1], "rb") as link:
    print("target={}\nfolder={}".format(*read(link.read())))
