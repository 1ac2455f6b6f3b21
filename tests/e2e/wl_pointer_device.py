#!/usr/bin/env python3
"""Plugs a virtual pointer into the compositor's default seat and keeps it there until killed.

A headless compositor has no input devices, so its seat offers no pointer and `swaymsg seat -
cursor ...` reaches no window. While this runs the seat has a pointer, and the cursor commands
click like a mouse. Speaks the Wayland wire protocol itself: the test needs no bindings.
Prints "ready" once the pointer exists.
"""
import os
import socket
import struct
import sys

MANAGER = b"zwlr_virtual_pointer_manager_v1"


def message(obj, opcode, payload=b""):
    return struct.pack("=II", obj, (8 + len(payload)) << 16 | opcode) + payload


def string(text):
    data = text + b"\0"
    return struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)


class Connection:
    def __init__(self, path):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.buffer = b""

    def send(self, data):
        self.sock.sendall(data)

    def events(self):
        """Yields (object, opcode, payload) as they come."""
        while True:
            while len(self.buffer) >= 8:
                obj, word = struct.unpack_from("=II", self.buffer)
                size = word >> 16
                if len(self.buffer) < size:
                    break
                payload = self.buffer[8:size]
                self.buffer = self.buffer[size:]
                yield obj, word & 0xFFFF, payload
            chunk = self.sock.recv(65536)
            if not chunk:
                return
            self.buffer += chunk


def fail(text):
    print(f"wl_pointer_device: {text}", file=sys.stderr)
    sys.exit(1)


def main():
    runtime = os.environ.get("XDG_RUNTIME_DIR") or fail("XDG_RUNTIME_DIR is not set")
    display = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
    conn = Connection(display if display.startswith("/") else os.path.join(runtime, display))
    registry, first_sync, manager, pointer, second_sync = 2, 3, 4, 5, 6
    conn.send(message(1, 1, struct.pack("=I", registry)))  # wl_display.get_registry
    conn.send(message(1, 0, struct.pack("=I", first_sync)))  # wl_display.sync
    ready = found = False
    for obj, opcode, payload in conn.events():
        if obj == 1 and opcode == 0:  # wl_display.error
            _, code, length = struct.unpack_from("=III", payload)
            fail(f"compositor error {code}: {payload[12:12 + length - 1].decode()}")
        elif obj == registry and opcode == 0:  # wl_registry.global
            name, length = struct.unpack_from("=II", payload)
            interface = payload[8:8 + length - 1]
            if interface == MANAGER:
                found = True
                # wl_registry.bind with an untyped new_id: interface, version, id.
                conn.send(message(registry, 0, struct.pack("=I", name) + string(MANAGER) +
                                  struct.pack("=II", 1, manager)))
        elif obj == first_sync:
            # Every global has been announced; a default-seat pointer, then a round trip.
            if not found:
                fail(f"the compositor offers no {MANAGER.decode()}")
            conn.send(message(manager, 0, struct.pack("=II", 0, pointer)))
            conn.send(message(1, 0, struct.pack("=I", second_sync)))
        elif obj == second_sync and not ready:
            ready = True
            print("ready", flush=True)
    if not ready:
        fail("the compositor closed the connection")


if __name__ == "__main__":
    main()
