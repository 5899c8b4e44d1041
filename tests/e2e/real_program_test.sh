#!/usr/bin/env bash
# Plays the real game binary on a private X server the way a player would: Enter on
# each opening box, then a pointer click on «Выход» (or the main window's close box, when
# ENDING=close), and expects a clean exit.
#
#   [ENDING=exit|close] tests/e2e/real_program_test.sh [GAME [SCREENSHOT]]
#
# GAME defaults to build/avtosalon; SCREENSHOT (the whole screen with the main window up)
# to /tmp/avtosalon-e2e-root.png. Exits 77 when Xvfb or xdotool is missing.
set -uo pipefail

game=${1:-$(dirname "$0")/../../build/avtosalon}
screenshot=${2:-/tmp/avtosalon-e2e-root.png}

[ -x "$game" ] || { echo "FAIL: no game at $game"; exit 1; }
if [ "${ENDING:-exit}" = close ] && ! /usr/bin/python3 -c "import Xlib" 2>/dev/null; then
  echo "SKIP: python3-xlib is not installed"
  exit 77
fi
source "$(dirname "$0")/x_session.sh"

start_x
started=$(date +%s%N)
start_game "$game"

answer_box "Запомните!" 6
answer_box "Предупреждение." 3
main=$(window "^Form1" 3) || exit 1

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
  /usr/bin/python3 "$(dirname "$0")/close_window.py" "$main" || fail "could not ask the window to close"
else
  # «Выход» covers x 552..617, y 416..449 of the 624 x 450 client area; with no window
  # manager there is no frame, so window coordinates are client coordinates. A window ignores
  # the pointer for a double-click interval after it appears.
  sleep 0.6
  xdotool mousemove --window "$main" 584 432 click 1
fi

expect_clean_exit
echo "PASS: the game ran and exited cleanly in $((($(date +%s%N) - started) / 1000000)) ms"
