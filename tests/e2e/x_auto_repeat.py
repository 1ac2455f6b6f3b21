#!/usr/bin/env python3
"""Turns the X server's key auto-repeat on or off, as `xset r on|off` does, and prints the
delay and interval it repeats at."""
import ctypes
import sys

XKB_USE_CORE_KEYBOARD = 0x0100


def main() -> int:
    if len(sys.argv) != 2 or sys.argv[1] not in ("on", "off"):
        print("usage: x_auto_repeat.py on|off", file=sys.stderr)
        return 2
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XAutoRepeatOn.argtypes = [ctypes.c_void_p]
    x11.XAutoRepeatOff.argtypes = [ctypes.c_void_p]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XkbGetAutoRepeatRate.argtypes = [ctypes.c_void_p, ctypes.c_uint,
                                         ctypes.POINTER(ctypes.c_uint),
                                         ctypes.POINTER(ctypes.c_uint)]
    display = x11.XOpenDisplay(None)
    if not display:
        print("cannot open the display", file=sys.stderr)
        return 1
    (x11.XAutoRepeatOn if sys.argv[1] == "on" else x11.XAutoRepeatOff)(display)
    x11.XSync(display, 0)
    delay, interval = ctypes.c_uint(), ctypes.c_uint()
    x11.XkbGetAutoRepeatRate(display, XKB_USE_CORE_KEYBOARD, ctypes.byref(delay),
                             ctypes.byref(interval))
    print(f"auto-repeat {sys.argv[1]}: after {delay.value} ms, every {interval.value} ms")
    return 0


if __name__ == "__main__":
    sys.exit(main())
