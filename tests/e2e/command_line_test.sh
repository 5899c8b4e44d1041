#!/usr/bin/env bash
# What the programs answer on the command line, with no display to reach: help and version
# on stdout with status 0; from the game, one clear line on stderr with status 1 where no
# window can open or an argument is wrong.
#
#   tests/e2e/command_line_test.sh GAME SCENARIO_PLAYER RANDOM_PLAYER
set -uo pipefail
game=$1 scenario=$2 random=$3
failures=0
err_file=$(mktemp)
trap 'rm -f "$err_file"' EXIT

# expect STATUS STDOUT_PATTERN STDERR_PATTERN -- ENVIRONMENT... -- COMMAND...
expect() {
  local status=$1 out_pattern=$2 err_pattern=$3
  shift 4
  local environment=()
  while [ "$1" != -- ]; do environment+=("$1"); shift; done
  shift
  local out err got
  out=$(env -i PATH=/usr/bin:/bin "${environment[@]}" "$@" 2>"$err_file")
  got=$?
  err=$(cat "$err_file")
  local lines
  lines=$(printf '%s' "$err" | grep -c '')
  if [ "$got" -ne "$status" ] || ! [[ $out =~ $out_pattern ]] || ! [[ $err =~ $err_pattern ]] ||
     { [[ $err_pattern == "^avtosalon:"* ]] && [ "$lines" -ne 1 ]; } ||
     { [ -z "$err_pattern" ] && [ -n "$err" ]; }; then
    echo "FAIL: ${environment[*]} $*: status $got (wanted $status)"
    echo "  stdout: $out"
    echo "  stderr: $err"
    failures=$((failures + 1))
  else
    echo "ok: ${environment[*]} $(basename "$1") ${*:2}"
  fi
}

expect 0 "^Usage: .*avtosalon \[options\]" "" -- -- "$game" --help
expect 0 "^avtosalon [0-9]+\.[0-9]+\.[0-9]+$" "" -- -- "$game" --version
expect 1 "^$" "^avtosalon: .*bogus" -- -- "$game" --bogus
expect 1 "^$" "^avtosalon: .*extra" -- -- "$game" extra
expect 1 "^$" "^avtosalon: cannot open a display: " -- -- "$game"
# A display number no server listens on.
dead=90
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do dead=$((dead + 1)); done
expect 1 "^$" "^avtosalon: cannot open a display: .*:$dead" -- DISPLAY=:$dead QT_QPA_PLATFORM=xcb -- "$game"
expect 1 "^$" "^avtosalon: cannot open a display: .*nowhere" -- QT_QPA_PLATFORM=nowhere -- "$game"
expect 0 "^usage: avtosalon-scenario" "" -- -- "$scenario" --help
expect 2 "^$" "^usage: avtosalon-scenario" -- -- "$scenario"
expect 0 "^usage: avtosalon-random" "" -- -- "$random" --help
expect 2 "^$" "^usage: avtosalon-random" -- -- "$random" --seeds

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
echo "PASS"
