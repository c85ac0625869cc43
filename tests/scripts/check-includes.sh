#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# scripts/check-includes on small trees of known includes: it must pass the downward ones and name every
# upward include and two-way tie.
#   tests/scripts/check-includes.sh PATH_OF_scripts/check-includes
set -euo pipefail
checker=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# tree NAME FILE:INCLUDE...: a tree whose FILE holds the line `#include "INCLUDE"` (each file also exists).
tree() {
  local root="$work/$1"
  shift
  for pair in "$@"; do
    local file=${pair%%:*} include=${pair#*:}
    mkdir -p "$root/$(dirname "$file")" "$root/$(dirname "$include")"
    touch "$root/$include"
    echo "#include \"$include\"" >>"$root/$file"
  done
}

# check NAME EXPECTED_STATUS TEXT...: each TEXT must be in what the checker printed.
check() {
  local name=$1 expected=$2
  shift 2
  local status=0
  python3 "$checker" "$work/$name" >"$work/$name.out" 2>&1 || status=$?
  local ok=1
  [ "$status" -eq "$expected" ] || ok=
  for text in "$@"; do
    grep -qF -- "$text" "$work/$name.out" || ok=
  done
  if [ -n "$ok" ]; then
    echo "ok   $name"
  else
    echo "FAIL $name (exit $status, expected $expected); it printed:"
    sed 's/^/     /' "$work/$name.out"
    failures=$((failures + 1))
  fi
}

tree down app/main.cpp:game/Rules.h app/main.cpp:ui/Window.h game/Rules.cpp:scores/Table.h \
  scores/Table.cpp:platform/Timer.h ui/Window.cpp:platform/QtBox.h platform/Device.cpp:platform/audio/Engine.h
echo '#include "Local.h"' >>"$work/down/app/main.cpp" && touch "$work/down/app/Local.h"
check down 0 "all pointing down"

tree up game/Rules.cpp:ui/Window.h ui/Window.cpp:game/Rules.h
check up 1 'ui/Window.cpp:1: includes "game/Rules.h": ui may not include game' "a two-way tie"

tree audio platform/audio/Mixer.h:platform/Wave.h
check audio 1 'platform/audio/Mixer.h:1: includes "platform/Wave.h"'

tree sideways scores/Table.cpp:sound/Player.h sound/Player.cpp:scores/Table.h
check sideways 1 "scores and sound include each other" 'sound/Player.cpp:1 includes "scores/Table.h"'

tree stranger ui/Window.cpp:extras/Thing.h
check stranger 1 "extras has no floor"

# The rules take only the platform's seams, and name no widget even without including one.
tree seams game/Rules.cpp:platform/QtScheduler.h scores/Table.cpp:platform/Timer.h
echo 'QLabel* scoreLabel = nullptr;  // QPushButton in a comment is fine' >>"$work/seams/scores/Table.cpp"
check seams 1 'game/Rules.cpp:1: includes "platform/QtScheduler.h": the rules take only the platform' \
  'scores/Table.cpp:2: names the widget QLabel'
if grep -q QPushButton "$work/seams.out"; then
  echo "FAIL seams: a widget named in a comment was taken for code"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
