#!/usr/bin/env python3
"""Keys, clicks and moves for the screenshot scripts, through XTEST.

Each argument is one action:
  Control_L+t     a chord of X keysyms, pressed in order and let go in reverse
  text:2025.05.28 the characters of a text, typed one by one
  click:X,Y       a left click at the screen position
  move:X,Y        the mouse moved there
  resize:ID,W,H   the window (hex id) moved to 0,0 and sized W x H
"""
import ctypes
import sys
import time

x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XMoveResizeWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_uint, ctypes.c_uint]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
d = x11.XOpenDisplay(None)
names = {".": "period", ":": "colon", " ": "space", "-": "minus"}


def code(keysym):
    return x11.XKeysymToKeycode(d, x11.XStringToKeysym(keysym.encode()))


def chord(parts):
    codes = [code(p) for p in parts]
    if parts[-1] == "colon":
        codes.insert(0, code("Shift_L"))
    for c in codes:
        xtst.XTestFakeKeyEvent(d, c, True, 0)
        x11.XFlush(d)
        time.sleep(0.05)
    for c in reversed(codes):
        xtst.XTestFakeKeyEvent(d, c, False, 0)
        x11.XFlush(d)
        time.sleep(0.05)


for arg in sys.argv[1:]:
    kind, _, rest = arg.partition(":")
    if kind == "text":
        for ch in rest:
            chord([names.get(ch, ch)])
    elif kind in ("click", "move"):
        x, y = map(int, rest.split(","))
        xtst.XTestFakeMotionEvent(d, -1, x, y, 0)
        if kind == "click":
            xtst.XTestFakeButtonEvent(d, 1, True, 0)
            xtst.XTestFakeButtonEvent(d, 1, False, 0)
    elif kind == "resize":
        wid, w, h = rest.split(",")
        x11.XMoveResizeWindow(d, int(wid, 16), 0, 0, int(w), int(h))
    else:
        chord(arg.split("+"))
    x11.XFlush(d)
    time.sleep(0.4)
