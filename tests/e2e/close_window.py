#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Avtosalon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Asks an X window to close, as a window manager's close box does: WM_DELETE_WINDOW.

    close_window.py WINDOW_ID
"""
import sys

from Xlib import X, display, protocol


def main() -> int:
    screen = display.Display()
    window = screen.create_resource_object("window", int(sys.argv[1]))
    protocols = screen.intern_atom("WM_PROTOCOLS")
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    if delete not in (window.get_wm_protocols() or []):
        print("the window does not take WM_DELETE_WINDOW", file=sys.stderr)
        return 1
    event = protocol.event.ClientMessage(
        window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    screen.sync()
    return 0


if __name__ == "__main__":
    sys.exit(main())
