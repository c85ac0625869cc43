#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The small windows under a window manager that raises a window on any click, as openbox, GNOME and KDE do on
# X11. While one is open the main window is disabled, so a click on it must not hide the small window behind
# it: the player would face a grey window that answers nothing. For the high scores (Ctrl+H), the game speed
# (Ctrl+G) and the name entry after a game that ranks, each opened as a player opens it, a click on the play
# field must leave the small window above the main window, transient for it and offering no maximize.
#   tests/e2e/small-windows-openbox.sh PROGRAM_DIR        e.g. build/kelvad
# Runs the built game on an X server of its own with openbox. Exits 77 (skipped) when a tool is missing.
set -euo pipefail
# Qt names a window for the window system in the locale's encoding; the titles looked for here are UTF-8.
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ -z "${KELVAD_E2E_DISPLAY_READY:-}" ]; then
  for tool in Xvfb:xvfb xauth:xauth xdotool:xdotool xprop:x11-utils xwininfo:x11-utils openbox:openbox; do
    if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
      echo "SKIP: ${tool%%:*} is not installed (package ${tool#*:}; scripts/setup --test installs it)"
      exit 77
    fi
  done
  program=$(cd "${1:?usage: small-windows-openbox.sh PROGRAM_DIR}" && pwd)
  if [ ! -x "$program/kelvad" ]; then
    echo "FAIL: no built game at $program/kelvad" >&2
    exit 1
  fi
  export KELVAD_E2E_DISPLAY_READY=1
  exec "$here/../../scripts/on-xvfb" bash "${BASH_SOURCE[0]}" "$program"
fi

# shellcheck source=xdrive.sh
. "$here/xdrive.sh"
# shellcheck source=checks.sh
. "$here/checks.sh"

work=$(mktemp -d)
# Openbox and the game keep their settings and caches in the test's own folders.
export XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
game_pid=
wm_pid=
finish() {
  if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
  if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap finish EXIT

fail_now() {
  echo "FAIL $1"
  echo "--- the game's output:"
  cat "$work/game.log" || true
  echo "--- openbox's output:"
  cat "$work/openbox.log" || true
  echo "$passed passed, $((failures + 1)) failed"
  exit 1
}

# The window manager's view, as lists of window ids in decimal.
# stacking: the managed windows, bottom to top.
stacking() {
  local id
  for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/^.*# //p' | tr ',' ' '); do
    printf '%d\n' "$id"
  done
}
active_window() {
  local id
  id=$(xprop -root _NET_ACTIVE_WINDOW | sed -n 's/^.*# \(0x[0-9a-f]*\).*$/\1/p')
  printf '%d\n' "${id:-0}"
}

# settle: waits until the window manager's stacking and focus have stayed the same for half a second (at most
# five seconds), so that a click's effects are all in before they are judged.
settle() {
  local deadline=$(($(now_ms) + 5000)) last='' now same=0
  while [ "$(now_ms)" -lt "$deadline" ] && [ "$same" -lt 10 ]; do
    now="$(stacking | tr '\n' ' ')/$(active_window)"
    if [ "$now" = "$last" ]; then same=$((same + 1)); else same=0; fi
    last=$now
    sleep 0.05
  done
}

# above ID OTHER: ID stands above OTHER in the stacking order; says where both stand if not.
above() {
  local order
  order=$(stacking)
  local at other
  at=$(grep -n -x "$1" <<<"$order" | cut -d: -f1)
  other=$(grep -n -x "$2" <<<"$order" | cut -d: -f1)
  [ -n "$at" ] && [ -n "$other" ] && [ "$at" -gt "$other" ] && return 0
  echo "     stacking, bottom to top: $(tr '\n' ' ' <<<"$order")(small window $1, main window $2)"
  return 1
}

# transient_for ID OWNER: the window's WM_TRANSIENT_FOR names OWNER.
transient_for() {
  local said
  said=$(xprop -id "$1" WM_TRANSIENT_FOR)
  [[ "$said" =~ \#\ (0x[0-9a-f]+) ]] && [ "$((BASH_REMATCH[1]))" -eq "$2" ] && return 0
  echo "     $said"
  return 1
}

# no_maximize ID: the window manager offers closing the window but not maximizing it.
no_maximize() {
  local said
  said=$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)
  [[ "$said" == *_NET_WM_ACTION_CLOSE* && "$said" != *_NET_WM_ACTION_MAXIMIZE* ]] && return 0
  echo "     $said"
  return 1
}

# client_area ID: where the window's own area lies on the screen, frame excluded: "X Y WIDTH HEIGHT". (xdotool's
# getwindowgeometry counts the frame twice for a window that openbox has framed.)
client_area() {
  xwininfo -id "$1" | awk -F: '
    /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
    /^ *Width/ { w = $2 } /^ *Height/ { h = $2 }
    END { print x + 0, y + 0, w + 0, h + 0 }'
}

# click_field_beside SMALL: clicks the main window's play field (client 8,40 .. 265,273, below the menu bar) at
# a corner that the small window, frame included, does not cover, so that the click reaches the main window.
# Fails when none is free.
click_field_beside() {
  local sx sy sw sh left=0 right=0 top=0 bottom=0 extents mx my x y
  read -r sx sy sw sh <<<"$(client_area "$1")"
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/^.*= //p' | tr -d ',')
  if [ -n "$extents" ]; then read -r left right top bottom <<<"$extents"; fi
  read -r mx my _ _ <<<"$(client_area "$main")"
  for corner in "12 44" "261 44" "12 269" "261 269"; do
    read -r x y <<<"$corner"
    y=$((y + MENU_BAR))
    if [ $((mx + x)) -lt $((sx - left)) ] || [ $((mx + x)) -ge $((sx + sw + right)) ] ||
      [ $((my + y)) -lt $((sy - top)) ] || [ $((my + y)) -ge $((sy + sh + bottom)) ]; then
      click_at "$main" "$x" "$y"
      return 0
    fi
  done
  echo "     the small window covers the whole play field"
  return 1
}

# judge_after_click NAME ID: a click on the main window leaves the small window ID above it, owned by it and with
# no maximize; and the second line of defence hands the small window the focus back.
judge_after_click() {
  check "$1: a corner of the play field is clear of it, and is clicked" click_field_beside "$2"
  settle
  check "$1: stays above the main window after the click" above "$2" "$main"
  check "$1: is transient for the main window" transient_for "$2" "$main"
  check "$1: is the active window after the click" test "$(active_window)" -eq "$2"
  check "$1: offers no maximize" no_maximize "$2"
}

# close_with ID X Y: brings the small window to the front, as the player would by its taskbar entry, and clicks
# its button at (X, Y): whatever a failed check left covering it.
close_with() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  click_at "$1" "$2" "$3"
}

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
deadline=$(($(now_ms) + 10000))
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  [ "$(now_ms)" -lt "$deadline" ] || fail_now "openbox did not start"
  sleep 0.05
done

# Five negative scores: a game of misses at the normal speed, 0 points, ranks first.
cp -r "$1" "$work/kelvad"
printf '"a","b","c","d","e"\r\n-10,-20,-30,-40,-50\r\n' >"$work/kelvad/TOKUTEN"

QT_QPA_PLATFORM=xcb "$work/kelvad/kelvad" >"$work/game.log" 2>&1 &
game_pid=$!
main=$(wait_window "ケルバド解消ゲーム" 20) || fail_now "the main window did not appear"
deadline=$(($(now_ms) + 10000))
until stacking | grep -q -x "$main"; do
  [ "$(now_ms)" -lt "$deadline" ] || fail_now "openbox did not take on the main window"
  sleep 0.05
done

press_keys "$main" ctrl+h
table=$(wait_window "ハイスコア" 10) || fail_now "Ctrl+H opened no high-score table"
judge_after_click "the high-score table" "$table"
close_with "$table" 56 184
check "OK closes the high-score table" wait_gone "$table" 10

press_keys "$main" ctrl+g
speed=$(wait_window "ゲームスピード" 10) || fail_now "Ctrl+G opened no speed window"
judge_after_click "the speed window" "$speed"
close_with "$speed" 56 104
check "OK closes the speed window" wait_gone "$speed" 10

press_keys "$main" ctrl+s
check "Ctrl+S starts a game" wait_bullets "$main" 8 5
click_at "$main" "$MISS_X" "$MISS_Y"
box=$(wait_window "ケルバド解消ゲーム" 60 "$main") || fail_now "no score message after the game"
press_keys "$box" Return
entry=$(wait_window "ハイスコアへ登録" 10) || fail_now "0 points over five negative scores brought no name entry"
judge_after_click "the name entry" "$entry"
xdotool windowactivate --sync "$entry" >/dev/null 2>&1 || true
press_keys "$entry" Return
check "Enter confirms the name" wait_gone "$entry" 10

finish_game_checks "$game_pid" "$work/game.log"
