#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Avtosalon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Real X input on the real game: the second click of a double click never lands on the window
# that has just replaced the one it was meant for (a «Выход» lies under «Купить>>»), the
# keyboard works again as soon as a message box has closed, and a single click on «Выход»
# still ends the game at once, with status 0.
#
#   tests/e2e/accidental_input_test.sh [GAME]
set -uo pipefail

game=${1:-$(dirname "$0")/../../build/avtosalon}
[ -x "$game" ] || { echo "FAIL: no game at $game"; exit 1; }
source "$(dirname "$0")/x_session.sh"

# A click in window coordinates; with no window manager they are client coordinates. Windows
# ignore the pointer for a double-click interval after they appear, so a deliberate click
# waits that long first.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
deliberate_click() { sleep 0.6; click "$@"; }
double_click() { xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay "$4" 1; }
still_running() { sleep 1; alive "$GAME_PID" || fail "$1 ended the game"; }

start_x
start_game "$game" C.UTF-8
answer_box "Запомните!" 6
answer_box "Предупреждение." 3
main=$(window "^Form1" 3) || exit 1

for gap in 60 150 300; do
  deliberate_click "$main" 232 424  # «Покупать>>»
  purchase=$(window "^Form2" 3) || exit 1
  deliberate_click "$purchase" 100 16  # the first model
  click "$purchase" 64 112             # «Дальше>>»
  click "$purchase" 60 204             # «Россия»
  click "$purchase" 40 168             # the price
  click "$purchase" 64 384             # «Дальше>>»
  sleep 0.3
  # «Купить>>»; the main window's «Выход» comes back under the pointer.
  double_click "$purchase" 624 548 "$gap"
  still_running "a double click on «Купить>>» ${gap} ms apart"
  poll 2 gone "^Form2" || fail "«Купить>>» did not bring the main window back"
done

deliberate_click "$main" 232 424
purchase=$(window "^Form2" 3) || exit 1
sleep 0.6
double_click "$purchase" 652 90 150  # «Назад»
still_running "a double click on «Назад»"
window "^Form1" 2 >/dev/null || exit 1

# The win button's scorn, closed with Enter; Enter again presses the button once more. The
# pointer is away from every window, so only the keyboard focus can take the keys.
deliberate_click "$main" 108 332
xdotool mousemove 1270 1010
answer_box "Да вы чо!!!" 3
xdotool key Return
window "Да вы чо!!!" 2 >/dev/null || fail "the keyboard did nothing after the message box closed"
answer_box "Да вы чо!!!" 3

deliberate_click "$main" 584 432  # «Выход»
expect_clean_exit
echo "PASS: double clicks ended nothing, the keyboard came back, «Выход» ended the game"
