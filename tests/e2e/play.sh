#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the built game from outside, as a player would: a fresh copy of the program directory, the real
# executable on an X server (Xvfb), real mouse and key presses (XTEST through xdotool), and checks on what the
# player sees: window titles, the high-score file, and screenshots of the bullets, the message bar and the
# Start button.
#   tests/e2e/play.sh PROGRAM_DIR        e.g. build/kelvad
# Exits 77 (skipped) when the X tools are missing.
set -euo pipefail
# Qt names a window for the window system in the locale's encoding; the titles looked for here are UTF-8.
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ -z "${KELVAD_E2E_DISPLAY_READY:-}" ]; then
  for tool in Xvfb:xvfb xauth:xauth xdotool:xdotool xwininfo:x11-utils xmodmap:x11-xserver-utils \
              import:imagemagick convert:imagemagick iconv:libc-bin; do
    if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
      echo "SKIP: ${tool%%:*} is not installed (package ${tool#*:}; scripts/setup --test installs it)"
      exit 77
    fi
  done
  program=$(cd "${1:?usage: play.sh PROGRAM_DIR}" && pwd)
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
# The tune the game keeps after a whole game goes to a cache folder of the test's own.
export XDG_CACHE_HOME="$work/cache"
game_pid=
finish() {
  if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap finish EXIT

fail_now() {
  echo "FAIL $1"
  echo "--- the game's output:"
  cat "$work/game.log" || true
  echo "$passed passed, $((failures + 1)) failed"
  exit 1
}

# scores_hold TEXT: the high-score file, read as CP932 and without its CRs, is TEXT; it says what it holds if not.
scores_hold() {
  local held
  held=$(iconv -f CP932 -t UTF-8 "$scores" 2>&1 | tr -d '\r') || true
  [ "$held" = "$1" ] && return 0
  printf 'TOKUTEN holds:\n%s\n' "$held"
  return 1
}

cp -r "$1" "$work/kelvad"
rm -f "$work/kelvad/TOKUTEN"
scores="$work/kelvad/TOKUTEN"

# The game on X, whatever platform the other tests were told to use.
QT_QPA_PLATFORM=xcb "$work/kelvad/kelvad" >"$work/game.log" 2>&1 &
game_pid=$!

main=$(wait_window "ケルバド解消ゲーム" 20) || fail_now "the main window did not appear"
check "the main window is 430 x 298" bash -c "xwininfo -id $main | grep -q 'Width: 430' &&
  xwininfo -id $main | grep -q 'Height: 298'"
check "a missing high-score file is replaced by the default table" \
  scores_hold "$(printf '"名前なし","名前なし","名前なし","名前なし","名前なし"\n2000,1500,1000,500,0')"
defaults=$(md5sum <"$scores")

shot "$main" "$work/ready.png"
check "ready: the Start button is enabled" test "$(dark_pixels "$work/ready.png" "$START_GEOMETRY")" -gt 20
ready_field=$(region_signature "$work/ready.png" "$FIELD_GEOMETRY")

# Game 1, at the normal speed: it starts at 0 points, and misses leave it there.
press_keys "$main" ctrl+s
game1_start=$(now_ms)
check "Ctrl+S starts a game: eight bullets show" wait_bullets "$main" 8 5
shot "$main" "$work/playing.png"
check "playing: the Start button is disabled" test "$(dark_pixels "$work/playing.png" "$START_GEOMETRY")" -eq 0
check "playing: the title panel has left the field" \
  test "$(region_signature "$work/playing.png" "$FIELD_GEOMETRY")" != "$ready_field"

for _ in 1 2 3; do click_at "$main" "$MISS_X" "$MISS_Y"; done
check "three clicks on the field fire three shots: five bullets left" wait_bullets "$main" 5 5
for _ in 1 2 3 4 5; do click_at "$main" "$MISS_X" "$MISS_Y"; done
check "five more shots empty the gun" wait_bullets "$main" 0 5
click_at "$main" "$MISS_X" "$MISS_Y"
check "a shot at the empty gun is refused in the message bar" wait_message "$main" 1 2
check "and spends nothing" wait_bullets "$main" 0 5
check "the message bar empties by itself" wait_message "$main" 0 5
click_at "$main" "$FIELD_X" "$FIELD_Y" 3
check "a right click reloads: the message bar shows the reload" wait_message "$main" 1 2
check "the reload refills the magazine" wait_bullets "$main" 8 5
click_at "$main" "$MISS_X" "$MISS_Y"
check "the reloaded gun fires" wait_bullets "$main" 7 5

box=$(wait_window "ケルバド解消ゲーム" 60 "$main") || fail_now "no score message after the first game"
game1_ms=$(($(now_ms) - game1_start))
echo "     the first game lasted ${game1_ms} ms"
check "the game ends after about 30.5 s" test "$game1_ms" -ge 29500 -a "$game1_ms" -le 40000
press_keys "$box" Return
check "Enter closes the score message" wait_gone "$box" 10
table=$(wait_window "ハイスコア" 10) || fail_now "no high-score table after the first game"
check "0 points enter no table: no name window" bash -c "! xdotool search --onlyvisible --name '^ハイスコアへ登録\$'"
check "the high-score file is unchanged" test "$(md5sum <"$scores")" = "$defaults"
click_at "$table" 56 184
check "OK closes the table" wait_gone "$table" 10
check "back in the ready state: the Start button is enabled again" bash -c "
  . '$here/xdrive.sh'; shot $main '$work/ready2.png'; test \$(dark_pixels '$work/ready2.png' '$START_GEOMETRY') -gt 20"

# The fastest speed: dragging the slider to its right end sets the start score of the coming game to +250.
press_keys "$main" ctrl+g
speed=$(wait_window "ゲームスピード" 10) || fail_now "Ctrl+G opened no speed dialog"
shot "$speed" "$work/speed-before.png"
xdotool mousemove --sync --window "$speed" 140 16 mousedown 1 mousemove --sync --window "$speed" 200 16 \
  mousemove --sync --window "$speed" 300 16 mouseup 1
shot "$speed" "$work/speed-after.png"
check "the start score shown follows the slider" test \
  "$(region_signature "$work/speed-before.png" 193x17+72+64)" != "$(region_signature "$work/speed-after.png" 193x17+72+64)"
click_at "$speed" 56 104
check "OK closes the speed dialog" wait_gone "$speed" 10

# Game 2 starts at +250 and, with misses only, ends there: enough for the fifth place.
press_keys "$main" ctrl+s
check "the second game starts" wait_bullets "$main" 8 5
click_at "$main" "$MISS_X" "$MISS_Y"
check "a miss in the second game spends a bullet" wait_bullets "$main" 7 5
box=$(wait_window "ケルバド解消ゲーム" 60 "$main") || fail_now "no score message after the second game"
press_keys "$box" Return
entry=$(wait_window "ハイスコアへ登録" 10) || fail_now "250 points brought no name window"
# Typed while the game is held still, as a busy machine would hold it: every key waits for it, none is lost.
kill -STOP "$game_pid"
type_text "$entry" "Kelvin ケルバ" || true
kill -CONT "$game_pid"
press_keys "$entry" Return
check "Enter confirms the name" wait_gone "$entry" 10
table=$(wait_window "ハイスコア" 10) || fail_now "no high-score table after the name"
expected=$(printf '"名前なし","名前なし","名前なし","名前なし","Kelvin ケルバ"\n2000,1500,1000,500,250')
check "the typed name and 250 points are in TOKUTEN, in CP932" scores_hold "$expected"
check "the file's lines end in CR LF" test "$(tr -cd '\r' <"$scores" | wc -c)" -eq 2
click_at "$table" 56 184
check "OK closes the table" wait_gone "$table" 10
press_keys "$main" ctrl+s
check "back in the ready state, Ctrl+S starts a new game" wait_bullets "$main" 8 5

finish_game_checks "$game_pid" "$work/game.log"
