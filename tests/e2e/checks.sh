# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=bash
# The end-to-end scripts' tally of checks; sourced by play.sh and the small windows' scripts.

failures=0
passed=0

# check WHAT COMMAND...: runs the command, says "ok" or "FAIL" with WHAT, and counts it.
check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok   $what"
    passed=$((passed + 1))
  else
    echo "FAIL $what"
    failures=$((failures + 1))
  fi
}

# finish_checks: says the tally; fails when any check failed.
finish_checks() {
  echo "$passed passed, $failures failed"
  [ "$failures" -eq 0 ]
}

# finish_game_checks GAME_PID GAME_LOG: the game must still be running; on any failure its output is shown;
# then the tally.
finish_game_checks() {
  if ! kill -0 "$1" 2>/dev/null; then
    echo "FAIL the game is no longer running"
    failures=$((failures + 1))
  fi
  if [ "$failures" -ne 0 ]; then
    echo "--- the game's output:"
    cat "$2" || true
  fi
  finish_checks
}
