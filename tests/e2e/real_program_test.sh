#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Avtosalon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the real game binary on a private X server the way a player would: Enter on
# each opening box, then a pointer click on «Выход» (or the main window's close box, when
# ENDING=close), and expects a clean exit. Each window is found by its old-style title
# (WM_NAME, as xdotool and older window managers read it) and must carry the same title in
# _NET_WM_NAME. The game runs under GAME_LOCALE (LC_ALL; unset by default, as on a machine
# with no locale configured), whatever the caller has.
#
#   [ENDING=exit|close] [GAME_LOCALE=LOCALE] tests/e2e/real_program_test.sh [GAME [SCREENSHOT]]
#
# GAME defaults to build/avtosalon; SCREENSHOT (the whole screen with the main window up)
# to /tmp/avtosalon-e2e-root.png. Exits 77 when Xvfb, xdotool or python3-xlib is missing.
set -uo pipefail

game=${1:-$(dirname "$0")/../../build/avtosalon}
screenshot=${2:-/tmp/avtosalon-e2e-root.png}
here=$(cd "$(dirname "$0")" && pwd)

[ -x "$game" ] || { echo "FAIL: no game at $game"; exit 1; }
source "$here/x_session.sh"
if ! /usr/bin/python3 -c "import Xlib" 2>/dev/null; then
  echo "SKIP: python3-xlib is not installed"
  exit 77
fi
# The test's own tools read titles in UTF-8, whatever the caller's locale.
export LC_ALL=C.UTF-8
unset LANG LANGUAGE

# Both title properties carry the same text.
on_window() {
  local id=$1 title=$2 modern
  modern=$(/usr/bin/python3 "$here/window_title.py" "$id") || fail "could not read _NET_WM_NAME"
  [[ $modern =~ $title ]] || fail "WM_NAME matches \"$title\" but _NET_WM_NAME is \"$modern\""
}

start_x
started=$(date +%s%N)
start_game "$game" "${GAME_LOCALE:-}"
answer_box "Запомните!" 6
answer_box "Предупреждение." 3
main=$(window "^Form1" 3) || exit 1
on_window "$main" "^Form1"

if command -v import >/dev/null; then
  if import -window root "$screenshot"; then
    echo "screen saved to $screenshot"
  else
    echo "note: could not save the screen to $screenshot"
  fi
fi

alive "$GAME_PID" || fail "the game ended before the player could end it"
if [ "${ENDING:-exit}" = close ]; then
  # With no window manager, the close box is the request a window manager would send.
  /usr/bin/python3 "$here/close_window.py" "$main" || fail "could not ask the window to close"
else
  # «Выход» covers x 552..617, y 416..449 of the 624 x 450 client area; with no window
  # manager there is no frame, so window coordinates are client coordinates. A window ignores
  # the pointer for a double-click interval after it appears.
  sleep 0.6
  xdotool mousemove --window "$main" 584 432 click 1
fi

expect_clean_exit
echo "PASS: the game ran and exited cleanly in $((($(date +%s%N) - started) / 1000000)) ms"
