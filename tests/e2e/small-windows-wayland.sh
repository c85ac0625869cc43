#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The small windows on Wayland: each one's toplevel must name the main window's toplevel as its parent
# (xdg_toplevel.set_parent), which is what keeps it above the disabled main window there. Starts a headless
# weston of its own in a private runtime folder, runs a program that opens the main window and the three small
# windows with Qt's wayland platform and WAYLAND_DEBUG=1, and reads the protocol log, matching toplevels to
# windows by their titles.
#   tests/e2e/small-windows-wayland.sh OPEN_SMALL_WINDOWS        the built program; KELVAD_PROGRAM_DIR set
# Exits 77 (skipped) when weston or Qt's wayland platform plugin is missing.
set -euo pipefail
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=checks.sh
. "$here/checks.sh"
program=${1:?usage: small-windows-wayland.sh OPEN_SMALL_WINDOWS}

if ! command -v weston >/dev/null 2>&1; then
  echo "SKIP: weston is not installed (package weston; scripts/setup --test installs it)"
  exit 77
fi

work=$(mktemp -d)
runtime="$work/runtime"
mkdir -m 700 "$runtime"
socket=kelvad-test
weston_pid=
finish() {
  if [ -n "$weston_pid" ]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap finish EXIT

now_ms() { date +%s%3N; }

# start_weston BACKEND: a headless weston listening on the socket; fails when it ends before the socket shows.
start_weston() {
  XDG_RUNTIME_DIR="$runtime" weston --backend="$1" --socket="$socket" --idle-time=0 --no-config \
    --log="$work/weston.log" >"$work/weston.out" 2>&1 &
  weston_pid=$!
  local deadline=$(($(now_ms) + 20000))
  until [ -S "$runtime/$socket" ]; do
    if ! kill -0 "$weston_pid" 2>/dev/null || [ "$(now_ms)" -ge "$deadline" ]; then
      kill "$weston_pid" 2>/dev/null || true
      wait "$weston_pid" 2>/dev/null || true
      weston_pid=
      return 1
    fi
    sleep 0.05
  done
}
# Weston 10 (Debian 12) knows the backend by its module's name; later ones by a short name as well.
if ! start_weston headless-backend.so && ! start_weston headless; then
  echo "FAIL: weston did not start:"
  cat "$work/weston.out" "$work/weston.log" 2>/dev/null || true
  exit 1
fi

status=0
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
  "$program" >"$work/program.out" 2>"$work/protocol.log" || status=$?
if grep -q 'Could not find the Qt platform plugin "wayland"' "$work/protocol.log"; then
  echo "SKIP: Qt's wayland platform plugin is not installed (package qt6-wayland; scripts/setup --test installs it)"
  exit 77
fi
cat "$work/program.out"
if [ "$status" -ne 0 ]; then
  echo "FAIL: the program did not open every window (status $status); what it printed last:"
  grep -v '^\[' "$work/protocol.log" | tail -n 20 || true
  exit 1
fi

# Each toplevel, in the order made: its title, and its parent's title ("-" for none). An id can be reused once
# its toplevel is destroyed, so a parent is named by the toplevel its id stood for when set_parent came.
# libwayland before 1.23 writes an object as xdg_toplevel@12, later ones as xdg_toplevel#12.
toplevels=$(awk '
  match($0, /get_toplevel\(new id xdg_toplevel[@#][0-9]+\)/) {
    id = substr($0, RSTART, RLENGTH); sub(/.*[@#]/, "", id); sub(/\)/, "", id)
    made[id] = ++n; title[n] = "?"; parent[n] = "-"; next
  }
  match($0, /xdg_toplevel[@#][0-9]+\.set_title\(".*"\)/) {
    call = substr($0, RSTART, RLENGTH); id = call; sub(/\..*/, "", id); sub(/.*[@#]/, "", id)
    sub(/^[^"]*"/, "", call); sub(/"\)$/, "", call)
    if (id in made) title[made[id]] = call
    next
  }
  match($0, /xdg_toplevel[@#][0-9]+\.set_parent\([^)]*\)/) {
    call = substr($0, RSTART, RLENGTH); id = call; sub(/\..*/, "", id); sub(/.*[@#]/, "", id)
    sub(/.*\(/, "", call); sub(/\)/, "", call); sub(/.*[@#]/, "", call)
    if (id in made) parent[made[id]] = (call in made) ? made[call] : "-"
  }
  END { for (i = 1; i <= n; i++) print title[i] "\t" (parent[i] == "-" ? "-" : title[parent[i]]) }
' "$work/protocol.log")
echo "toplevels made (title, parent's title):"
sed 's/^/  /' <<<"$toplevels"

main="ケルバド解消ゲーム"
# parents_of TITLE: the parent's title of each toplevel with this title, one a line.
parents_of() { awk -F'\t' -v title="$1" '$1 == title { print $2 }' <<<"$toplevels"; }
check "the main window has a toplevel with no parent" test "$(parents_of "$main" | sort -u)" = "-"
for small in "ハイスコアへ登録" "ハイスコア" "ゲームスピード"; do
  check "$small: its toplevel's parent is the main window's" test "$(parents_of "$small" | sort -u)" = "$main"
done
finish_checks
