#!/usr/bin/env python3
"""A pointer for a compositor without input devices (sway on its headless backend): a virtual pointer of
the wlr virtual-pointer protocol, kept while this process runs, so that the seat has a pointer and
`swaymsg seat seat0 cursor ...` moves it over the clients' surfaces.

    virtual_pointer.py [READY_FILE]

The Wayland connection is $WAYLAND_DISPLAY (a name in $XDG_RUNTIME_DIR, or an absolute path). Once the
pointer exists, READY_FILE is written (when given). The wire protocol is spoken directly: a few
requests, and the registry's and the callback's events read back.
"""
import os
import socket
import struct
import sys
import time

DISPLAY_ID, REGISTRY_ID = 1, 2


def connect():
    name = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
    path = name if name.startswith("/") else os.path.join(os.environ["XDG_RUNTIME_DIR"], name)
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.connect(path)
    return s


def request(s, obj, opcode, payload=b""):
    s.sendall(struct.pack("<II", obj, ((8 + len(payload)) << 16) | opcode) + payload)


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


def events(s):
    buffer = b""
    while True:
        while len(buffer) >= 8:
            obj, word = struct.unpack_from("<II", buffer)
            size = word >> 16
            if len(buffer) < size:
                break
            yield obj, word & 0xFFFF, buffer[8:size]
            buffer = buffer[size:]
        chunk = s.recv(65536)
        if not chunk:
            raise SystemExit("virtual_pointer: the compositor closed the connection")
        buffer += chunk


def main():
    s = connect()
    request(s, DISPLAY_ID, 1, struct.pack("<I", REGISTRY_ID))  # wl_display.get_registry
    request(s, DISPLAY_ID, 0, struct.pack("<I", 3))            # wl_display.sync: callback 3
    globals_ = {}
    for obj, opcode, args in events(s):
        if obj == REGISTRY_ID and opcode == 0:                  # wl_registry.global
            name, length = struct.unpack_from("<II", args)
            interface = args[8:8 + length - 1].decode()
            version = struct.unpack_from("<I", args, 8 + length + (-length % 4))[0]
            globals_[interface] = (name, version)
        elif obj == 3:                                          # the sync's done
            break
    if "zwlr_virtual_pointer_manager_v1" not in globals_:
        raise SystemExit("virtual_pointer: the compositor has no virtual pointers")
    name, _ = globals_["zwlr_virtual_pointer_manager_v1"]
    # wl_registry.bind(name, interface, version, new_id 4), then create_virtual_pointer(seat: none, id 5).
    request(s, REGISTRY_ID, 0, struct.pack("<I", name) + string("zwlr_virtual_pointer_manager_v1") +
            struct.pack("<II", 1, 4))
    request(s, 4, 0, struct.pack("<II", 0, 5))
    request(s, DISPLAY_ID, 0, struct.pack("<I", 6))
    for obj, opcode, args in events(s):
        if obj == DISPLAY_ID and opcode == 0:                   # wl_display.error
            raise SystemExit("virtual_pointer: protocol error")
        if obj == 6:
            break
    if len(sys.argv) > 1:
        with open(sys.argv[1], "w") as ready:
            ready.write("ready\n")
    while True:
        time.sleep(3600)


if __name__ == "__main__":
    main()
