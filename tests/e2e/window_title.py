#!/usr/bin/python3
"""Prints an X window's title as modern desktops read it: _NET_WM_NAME, UTF-8.

    window_title.py WINDOW_ID
"""
import sys

from Xlib import display


def main() -> int:
    screen = display.Display()
    window = screen.create_resource_object("window", int(sys.argv[1]))
    title = window.get_full_property(screen.intern_atom("_NET_WM_NAME"),
                                     screen.intern_atom("UTF8_STRING"))
    if title is None:
        print("the window has no _NET_WM_NAME", file=sys.stderr)
        return 1
    value = title.value
    print(value.decode("utf-8") if isinstance(value, bytes) else value)
    return 0


if __name__ == "__main__":
    sys.exit(main())
