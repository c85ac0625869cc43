# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Driving the game's windows from outside under X: waiting for windows to appear or go, real input through
# XTEST (xdotool), and reading what the player sees from screenshots (ImageMagick). Sourced by play.sh and by
# scripts/measure; nothing here sleeps for a fixed time where a window or a picture can be waited for.

# The main window: a 19 px menu bar above the 430 x 279 client area. Positions below are in window pixels.
readonly MENU_BAR=19
# The play field (client 8, 40, 257 x 233). Men, the civilian and the bonus plates stand left of field x 243, so
# a press at field x 248 is always a miss.
readonly MISS_X=$((8 + 248))
readonly MISS_Y=$((40 + 110 + MENU_BAR))
readonly FIELD_X=$((8 + 128))
readonly FIELD_Y=$((40 + 116 + MENU_BAR))
# The first gun's eight bullets, 12 x 23 px, 16 px apart, in the status panel.
readonly BULLETS_GEOMETRY="124x23+288+$((240 + MENU_BAR))"
# The Start button's caption and the message bar.
readonly START_GEOMETRY="100x25+287+$((47 + MENU_BAR))"
readonly MESSAGE_GEOMETRY="249x17+8+$((11 + MENU_BAR))"
readonly FIELD_GEOMETRY="257x233+8+$((40 + MENU_BAR))"

now_ms() { date +%s%3N; }

# find_window TITLE [OTHER_THAN]: a mapped window with exactly this title (and not the id OTHER_THAN).
find_window() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    if [ "$id" != "${2:-}" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# wait_window TITLE SECONDS [OTHER_THAN]: prints the window's id once it is mapped; fails after SECONDS.
wait_window() {
  local deadline=$(($(now_ms) + $2 * 1000))
  until find_window "$1" "${3:-}"; do
    [ "$(now_ms)" -lt "$deadline" ] || return 1
    sleep 0.02
  done
}

# wait_gone ID SECONDS: the window is unmapped or destroyed.
wait_gone() {
  local deadline=$(($(now_ms) + $2 * 1000))
  while xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; do
    [ "$(now_ms)" -lt "$deadline" ] || return 1
    sleep 0.02
  done
}

# press_keys ID KEY...: focuses the window, then types the keys as the keyboard would.
press_keys() {
  local id=$1
  shift
  xdotool windowfocus --sync "$id" key --clearmodifiers "$@"
}

# type_text ID TEXT: focuses the window and types TEXT as the keyboard would. A character the keyboard lacks
# (the katakana of a name) first gets a spare key of its own, as a Japanese layout would give it: xdotool would
# otherwise bind it for the one press and unbind it at once, and a game slow to read the changed keyboard (under a
# sanitizer, on a busy machine) would find the key unbound by then and lose the character.
type_text() {
  local id=$1 text=$2 i char code keysym spare=()
  mapfile -t spare < <(xmodmap -pke | awk 'NF == 3 { print $2 }')
  for ((i = 0; i < ${#text}; i++)); do
    char=${text:i:1}
    code=$(printf '%d' "'$char")
    keysym=$(printf 'U%04X' "$code")
    if [ "$code" -lt 127 ] || xmodmap -pke | grep -qw "$keysym"; then
      continue
    fi
    if [ ${#spare[@]} -eq 0 ]; then
      echo "type_text: no spare key left for $char" >&2
      return 1
    fi
    xmodmap -e "keycode ${spare[0]} = $keysym"
    spare=("${spare[@]:1}")
  done
  xdotool windowfocus --sync "$id" type --delay 40 "$text"
}

# click_at ID X Y [BUTTON]: moves the pointer to (X, Y) in the window and clicks there.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
}

# shot ID FILE: a screenshot of the window.
shot() {
  import -window "$1" "$2"
}

# bullets_shown FILE: how many of the first gun's bullets show, counted from the left; -1 when the bullets shown
# are not the leftmost ones (they vanish right to left).
bullets_shown() {
  local pattern
  pattern=$(convert "$1" -crop "$BULLETS_GEOMETRY" +repage -crop 16x23 +repage \
    -format '%[fx:standard_deviation>0.02?1:0]' info: 2>/dev/null)
  case "$pattern" in
    00000000) echo 0 ;; 10000000) echo 1 ;; 11000000) echo 2 ;; 11100000) echo 3 ;; 11110000) echo 4 ;;
    11111000) echo 5 ;; 11111100) echo 6 ;; 11111110) echo 7 ;; 11111111) echo 8 ;; *) echo -1 ;;
  esac
}

# wait_bullets ID N SECONDS: screenshots until N bullets show; fails after SECONDS.
wait_bullets() {
  local deadline=$(($(now_ms) + $3 * 1000)) file
  file=$(mktemp --suffix=.png)
  while :; do
    shot "$1" "$file"
    if [ "$(bullets_shown "$file")" = "$2" ]; then
      rm -f "$file"
      return 0
    fi
    if [ "$(now_ms)" -ge "$deadline" ]; then
      echo "bullets shown: $(bullets_shown "$file"), expected $2" >&2
      rm -f "$file"
      return 1
    fi
  done
}

# dark_pixels FILE GEOMETRY: how many pixels of the region are near black (an enabled caption's letters).
dark_pixels() {
  convert "$1" -crop "$2" +repage -colorspace gray -threshold 30% -negate -format '%[fx:round(mean*w*h)]\n' info:
}

# light_pixels FILE GEOMETRY: how many pixels of the region are near white (white text on black).
light_pixels() {
  convert "$1" -crop "$2" +repage -colorspace gray -threshold 70% -format '%[fx:round(mean*w*h)]\n' info:
}

# wait_message ID 0|1 SECONDS: screenshots until the message bar is empty (0) or shows a text (1).
wait_message() {
  local deadline=$(($(now_ms) + $3 * 1000)) file lit
  file=$(mktemp --suffix=.png)
  while :; do
    shot "$1" "$file"
    lit=$(light_pixels "$file" "$MESSAGE_GEOMETRY")
    if { [ "$2" = 0 ] && [ "$lit" -eq 0 ]; } || { [ "$2" = 1 ] && [ "$lit" -gt 20 ]; }; then
      rm -f "$file"
      return 0
    fi
    if [ "$(now_ms)" -ge "$deadline" ]; then
      rm -f "$file"
      return 1
    fi
  done
}

# region_signature FILE GEOMETRY: a short digest of a region's pixels, to tell whether it changed.
region_signature() {
  convert "$1" -crop "$2" +repage -depth 8 rgb:- | md5sum | cut -c1-12
}
