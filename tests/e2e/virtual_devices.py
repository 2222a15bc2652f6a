#!/usr/bin/env python3
"""A pointer and a keyboard for a compositor without input devices (sway on its headless backend):
a virtual pointer and a virtual keyboard, kept while this process runs, so that the seat has both, its
clients bind them, `swaymsg seat seat0 cursor ...` moves the pointer over their surfaces and the keys
that wtype sends (through a keyboard of its own, gone when it ends) reach the focused one.

    virtual_devices.py [READY_FILE]

The Wayland connection is $WAYLAND_DISPLAY (a name in $XDG_RUNTIME_DIR, or an absolute path). Once the
devices exist, READY_FILE is written (when given). The wire protocol is spoken directly: a few
requests, and the registry's and the callbacks' events read back.
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
            raise SystemExit("virtual_devices: the compositor closed the connection")
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
    for interface in ("wl_seat", "zwlr_virtual_pointer_manager_v1", "zwp_virtual_keyboard_manager_v1"):
        if interface not in globals_:
            raise SystemExit("virtual_devices: the compositor has no " + interface)

    def bind(interface, new_id):  # wl_registry.bind(name, interface, version 1, new_id)
        request(s, REGISTRY_ID, 0, struct.pack("<I", globals_[interface][0]) + string(interface) +
                struct.pack("<II", 1, new_id))

    bind("wl_seat", 4)
    bind("zwlr_virtual_pointer_manager_v1", 5)
    bind("zwp_virtual_keyboard_manager_v1", 6)
    request(s, 5, 0, struct.pack("<II", 4, 7))  # create_virtual_pointer(seat, id 7)
    request(s, 6, 0, struct.pack("<II", 4, 8))  # create_virtual_keyboard(seat, id 8)
    request(s, DISPLAY_ID, 0, struct.pack("<I", 9))
    for obj, opcode, args in events(s):
        if obj == DISPLAY_ID and opcode == 0:                   # wl_display.error
            raise SystemExit("virtual_devices: protocol error")
        if obj == 9:
            break
    if len(sys.argv) > 1:
        with open(sys.argv[1], "w") as ready:
            ready.write("ready\n")
    while True:
        time.sleep(3600)


if __name__ == "__main__":
    main()
