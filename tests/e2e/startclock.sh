#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The tools scripts/measure compares the game with: the start-up clock must find the window of the program it
# started, time its map and its first drawing and read its CPU and memory, and fail plainly for a program that
# shows no window; the yardstick must keep the game's window size, or the comparison is unfair.
#   tests/e2e/startclock.sh PROGRAM_DIR TOOLS_DIR      e.g. build/kelvad build/benchmarks
# Exits 77 (skipped) when the X tools are missing.
set -euo pipefail
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ -z "${KELVAD_E2E_DISPLAY_READY:-}" ]; then
  for tool in Xvfb xauth xdotool xwininfo; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed (scripts/setup --test installs it)"
      exit 77
    fi
  done
  export KELVAD_E2E_DISPLAY_READY=1
  exec "$here/../../scripts/on-xvfb" bash "${BASH_SOURCE[0]}" "$(cd "$1" && pwd)" "$(cd "$2" && pwd)"
fi

# shellcheck source=xdrive.sh
. "$here/xdrive.sh"
tools=$2
work=$(mktemp -d)
pids=()
finish() {
  local status=$?
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # What the programs said is the first clue to a failure.
  if [ "$status" -ne 0 ] && [ -s "$work/log" ]; then
    echo "---- what the programs printed:"
    tail -n 40 "$work/log"
  fi
  rm -rf "$work"
}
trap finish EXIT
cp -r "$1" "$work/kelvad"
# Copies of their own, so that no other run of the same programs is taken for them.
cp "$tools/kelvad-yardstick" "$work/kelvad-yardstick"
export QT_QPA_PLATFORM=xcb
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

failures=0
check() {
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else
    echo "FAIL $what"
    failures=$((failures + 1))
  fi
}
# sane REPORT: a time to the map, a first drawing no earlier, some CPU, memory and shared objects.
sane() {
  local mapped painted cpu rss libraries
  read -r mapped painted cpu rss libraries <<<"$(sed 's/[a-z_]*=//g' <<<"$1")"
  awk -v m="$mapped" -v p="$painted" -v c="$cpu" -v r="$rss" -v l="$libraries" \
    'BEGIN { exit !(m > 0 && m < 30000 && p >= m && c > 0 && r > 1000 && l > 5) }'
}

for program in "$work/kelvad-yardstick" "$work/kelvad/kelvad"; do
  report=$("$tools/kelvad-startclock" --settle 100 --maps "$work/maps" "$program" 2>>"$work/log") || true
  echo "     $(basename "$program"): $report"
  check "the clock times the start of $(basename "$program")" sane "$report"
  check "and keeps its memory map of the moment it was mapped" grep -q "libQt6Widgets" "$work/maps"
  check "and ends it again" bash -c "! pgrep -f '^$program\$' >/dev/null"
done

# Work done before the window by a process or thread that has ended by then belongs to the start as well: here
# a busy awk run before the yardstick takes the shell's place.
burn='TIMEFORMAT="%3U %3S"; { time awk "BEGIN { for (i = 0; i < 1e7; i++) s += i }"; } 2>"$1"; exec "$2"'
report=$("$tools/kelvad-startclock" --settle 0 bash -c "$burn" burn "$work/burned" "$work/kelvad-yardstick" \
  2>"$work/burn.log") || true
burned_ms=$(awk '{ print ($1 + $2) * 1000 }' "$work/burned" 2>/dev/null || echo unknown)
echo "     busy before the yardstick: $burned_ms ms; then $report"
if grep -q "no CPU counter" "$work/burn.log"; then
  # kernel.perf_event_paranoid keeps the counter from this user; the clock then says so and counts less.
  echo "skip the CPU time of a process that ended before the map: the kernel gives this user no CPU counter"
else
  check "the CPU time of a process that ended before the map is counted" awk -v burned="$burned_ms" \
    -v cpu="$(sed 's/.*cpu_ms=\([0-9.]*\).*/\1/' <<<"$report")" 'BEGIN { exit !(burned > 50 && cpu >= burned) }'
fi

check "a program that shows no window is reported, not waited for" bash -c \
  "! '$tools/kelvad-startclock' true 2>'$work/err' && grep -q 'ended before it drew a window' '$work/err'"

"$work/kelvad/kelvad" >>"$work/log" 2>&1 &
pids+=($!)
"$work/kelvad-yardstick" >>"$work/log" 2>&1 &
pids+=($!)
game=$(wait_window "ケルバド解消ゲーム" 20) || { echo "FAIL the game's window did not show in 20 s"; exit 1; }
yardstick=$(wait_window "kelvad-yardstick" 20) || { echo "FAIL the yardstick's window did not show in 20 s"; exit 1; }
size() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
echo "     window sizes: game $(size "$game"), yardstick $(size "$yardstick")"
check "the yardstick's window is the game's size" test "$(size "$game")" = "$(size "$yardstick")"

echo "$failures failed"
[ "$failures" -eq 0 ]
