#!/usr/bin/env python3
"""Waits until one pixel of the X screen ($DISPLAY) has a colour, looking every 10 ms.

    wait_for_pixel.py X Y '#RRGGBB' SECONDS READY_FILE

Creates READY_FILE once it is connected and looking, so that what it waits for can be started after it.
Prints the wall-clock time it saw the colour, in nanoseconds since 1970, and exits 0; exits 1 with the
colour it last saw after SECONDS. One pixel through Xlib, where a screenshot of the whole screen takes
long enough to blur the time it measures."""
import ctypes
import sys
import time

x, y, want, seconds, ready = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3].upper(), float(sys.argv[4]), sys.argv[5]
xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDefaultRootWindow.restype = ctypes.c_ulong
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XGetImage.restype = ctypes.c_void_p
xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                           ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
xlib.XGetPixel.restype = ctypes.c_ulong
xlib.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
xlib.XDestroyImage.argtypes = [ctypes.c_void_p]
ALL_PLANES, Z_PIXMAP = 0xFFFFFFFF, 2

display = xlib.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the X display")
root = xlib.XDefaultRootWindow(display)
deadline = time.monotonic() + seconds
open(ready, "w").close()
while True:
    image = xlib.XGetImage(display, root, x, y, 1, 1, ALL_PLANES, Z_PIXMAP)
    seen = "#%06X" % (xlib.XGetPixel(image, 0, 0) & 0xFFFFFF)
    xlib.XDestroyImage(image)
    if seen == want:
        print(time.time_ns())
        sys.exit(0)
    if time.monotonic() > deadline:
        print(seen)
        sys.exit(1)
    time.sleep(0.01)
