# SPDX-FileCopyrightText: 2026 The Avtosalon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the end-to-end tests: a private X server, the real game on it, and the helpers
# that play it as a player would. Sets GAME_PID; exits 77 when Xvfb or xdotool is missing.
# A test may redefine on_window to check each window that answer_box finds.

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb_pid=
GAME_PID=

cleanup() {
  local pid
  for pid in "$GAME_PID" "$xvfb_pid"; do
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

# Runs a command every 0.1 s until it succeeds or the given seconds run out.
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

# A server of 1280 x 1024 on a display number it picks itself.
start_x() {
  local fifo=$work/displayfd display=
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  read -r -t 5 display <"$fifo" || fail "Xvfb did not start"
  export DISPLAY=:$display
  echo "Xvfb on :$display"
}

# The game in an environment of its own, whatever the caller has: on the given locale (LC_ALL),
# or on none, as on a machine with no locale configured.
start_game() {
  local game=$1 locale=${2:-} name
  mkdir -m 700 "$work/runtime"
  local environment=(PATH=/usr/bin:/bin HOME="$work" DISPLAY="$DISPLAY"
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb)
  [ -n "$locale" ] && environment+=(LC_ALL="$locale")
  # A sanitizer build reads its settings (the leak suppressions) from these.
  for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -n "${!name:-}" ] && environment+=("$name=${!name}")
  done
  env -i "${environment[@]}" "$game" >"$work/game.log" 2>&1 &
  GAME_PID=$!
}

on_window() { :; }

# Waits for a visible window whose title matches, and prints its id.
window() {
  local title=$1 seconds=$2 id
  id=$(timeout "$seconds" xdotool search --sync --onlyvisible --name "$title" 2>/dev/null |
    head -n 1)
  [ -n "$id" ] || fail "no window titled \"$title\" within $seconds s"
  echo "$id"
}

focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# Enter as from the keyboard (XTEST). `xdotool key --window` would deliver synthetic events
# instead, and a box that closes on the press then loses the release with a BadWindow error.
answer_box() {
  local title=$1 seconds=$2 box
  box=$(window "$title" "$seconds") || exit 1
  on_window "$box" "$title"
  poll 2 focused "$box" || fail "\"$title\" did not take the keyboard focus"
  xdotool key Return
  poll 2 gone "$title" || fail "Enter did not close \"$title\""
}

# Waits for the game to end and checks that it ended cleanly.
expect_clean_exit() {
  poll 4 ended "$GAME_PID" || fail "the game is still running 4 s after it was told to end"
  wait "$GAME_PID"
  local status=$?
  GAME_PID=
  [ "$status" -eq 0 ] || fail "the game exited with status $status"
}
