#!/usr/bin/env bash
# Plays the real game binary on a private X server the way a player would: Enter on
# each opening box, then a pointer click on «Выход» (or the main window's close box, when
# ENDING=close), and expects a clean exit. Each window is found by its old-style title
# (WM_NAME, as xdotool and older window managers read it) and must carry the same title in
# _NET_WM_NAME. The game runs in an environment of its own, under GAME_LOCALE (LC_ALL; unset
# by default, as on a machine with no locale configured), whatever the caller has.
#
#   [ENDING=exit|close] [GAME_LOCALE=LOCALE] tests/e2e/real_program_test.sh [GAME [SCREENSHOT]]
#
# GAME defaults to build/avtosalon; SCREENSHOT (the whole screen with the main window up)
# to /tmp/avtosalon-e2e-root.png. Exits 77 when Xvfb, xdotool or python3-xlib is missing.
set -uo pipefail

game=${1:-$(dirname "$0")/../../build/avtosalon}
screenshot=${2:-/tmp/avtosalon-e2e-root.png}
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done
[ -x "$game" ] || { echo "FAIL: no game at $game"; exit 1; }
if ! /usr/bin/python3 -c "import Xlib" 2>/dev/null; then
  echo "SKIP: python3-xlib is not installed"
  exit 77
fi
# The test's own tools read titles in UTF-8, whatever the caller's locale.
export LC_ALL=C.UTF-8
unset LANG LANGUAGE

work=$(mktemp -d)
xvfb_pid=
game_pid=

cleanup() {
  local pid
  for pid in "$game_pid" "$xvfb_pid"; do
    [ -n "$pid" ] || continue
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
  {
    echo "FAIL: $*"
    for log in "$work"/*.log; do
      [ -s "$log" ] && { echo "--- $(basename "$log")"; cat "$log"; }
    done
  } >&2
  exit 1
}

# Runs a command every 0.1 s until it succeeds or the given seconds run out. The waits below
# add up to 27 s, so a failing run still ends inside CTest's 30 s.
poll() {
  local tenths=$(($1 * 10))
  shift
  while ! "$@"; do
    tenths=$((tenths - 1))
    [ "$tenths" -gt 0 ] || return 1
    sleep 0.1
  done
}

alive() { kill -0 "$1" 2>/dev/null; }
ended() { ! alive "$1"; }

# Xvfb picks a free display itself and writes its number once it listens.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=$(timeout 3 head -n 1 "$work/display")
[ -n "$display" ] || fail "Xvfb did not start"
export DISPLAY=:$display
echo "Xvfb on :$display"

started=$(date +%s%N)
mkdir -m 700 "$work/runtime"
game_environment=(PATH=/usr/bin:/bin HOME="$work" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$work/runtime"
  QT_QPA_PLATFORM=xcb)
[ -n "${GAME_LOCALE:-}" ] && game_environment+=(LC_ALL="$GAME_LOCALE")
# A sanitizer build reads its settings (the leak suppressions) from these.
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
  [ -n "${!name:-}" ] && game_environment+=("$name=${!name}")
done
env -i "${game_environment[@]}" "$game" >"$work/game.log" 2>&1 &
game_pid=$!

# Waits for a visible window whose title matches, and prints its id.
window() {
  local title=$1 seconds=$2 id
  id=$(timeout "$seconds" xdotool search --sync --onlyvisible --name "$title" 2>/dev/null |
    head -n 1)
  [ -n "$id" ] || fail "no window titled \"$title\" within $seconds s"
  echo "$id"
}

# Both title properties carry the same text.
same_titles() {
  local id=$1 title=$2 modern
  modern=$(/usr/bin/python3 "$here/window_title.py" "$id") || fail "could not read _NET_WM_NAME"
  [[ $modern =~ $title ]] || fail "WM_NAME matches \"$title\" but _NET_WM_NAME is \"$modern\""
}

focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# Enter as from the keyboard (XTEST). `xdotool key --window` would deliver synthetic events
# instead, and a box that closes on the press then loses the release with a BadWindow error.
answer_box() {
  local title=$1 seconds=$2 box
  box=$(window "$title" "$seconds") || exit 1
  same_titles "$box" "$title"
  poll 2 focused "$box" || fail "\"$title\" did not take the keyboard focus"
  xdotool key Return
  poll 2 gone "$title" || fail "Enter did not close \"$title\""
}

answer_box "Запомните!" 6
answer_box "Предупреждение." 3
main=$(window "^Form1" 3) || exit 1
same_titles "$main" "^Form1"

if command -v import >/dev/null; then
  if import -window root "$screenshot"; then
    echo "screen saved to $screenshot"
  else
    echo "note: could not save the screen to $screenshot"
  fi
fi

alive "$game_pid" || fail "the game ended before the player could end it"
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

poll 4 ended "$game_pid" || fail "the game is still running 4 s after it was told to end"
wait "$game_pid"
status=$?
game_pid=
[ "$status" -eq 0 ] || fail "the game exited with status $status"
echo "PASS: the game ran and exited cleanly in $((($(date +%s%N) - started) / 1000000)) ms"
