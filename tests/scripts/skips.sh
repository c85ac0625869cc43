#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# scripts/skips finds every kind of skip in a CTest run, and under CI=true lets only the hardware ones pass.
#   tests/scripts/skips.sh PATH_OF_scripts/skips
set -euo pipefail
judge=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# run NAME CI EXPECTED_STATUS TEXT...: builds a run's logs from the lines on stdin and judges the run. Each TEXT
# must be in what the judge printed; a TEXT starting with "!" must not be among the failures it names ("!"
# alone: it names none).
# Lines "console: …" go to what ctest printed, the others into CTest's full log.
run() {
  local name=$1 ci=$2 expected=$3
  shift 3
  local build="$work/$name"
  mkdir -p "$build/Testing/Temporary"
  local input
  input=$(cat)
  sed -n 's/^console: //p' <<<"$input" >"$build/console.log"
  grep -v '^console: ' <<<"$input" >"$build/Testing/Temporary/LastTest.log" || true
  local status=0
  CI=$ci "$judge" "$build" "$build/console.log" >"$build/out" 2>"$build/failures" || status=$?
  cat "$build/failures" >>"$build/out"
  local ok=1
  [ "$status" -eq "$expected" ] || ok=
  for text in "$@"; do
    if [ "${text:0:1}" = "!" ]; then
      ! grep -qF -- "${text:1}" "$build/failures" || ok=
    else
      grep -qF -- "$text" "$build/out" || ok=
    fi
  done
  if [ -n "$ok" ]; then
    echo "ok   $name"
  else
    echo "FAIL $name (exit $status, expected $expected); it printed:"
    sed 's/^/     /' "$build/out"
    failures=$((failures + 1))
  fi
}

# A QTest skip for a missing package, a hardware skip, and a script that exits 77 with and without a reason.
skipping_run() {
  cat <<'LOG'
1/3 Testing: sound
Output:
----------------------------------------------------------
PASS   : MidiSynthTest::rendersTheTune()
SKIP   : MidiSynthTest::playsAgain(just after its end) No General MIDI soundfont (timgm6mb-soundfont)
   Loc: [MidiSynthTest.cpp(45)]
SKIP   : SoundDeviceTest::reportsNoOutput() hardware: an ALSA card (the test cannot hide it)
<end of output>
2/3 Testing: e2e
Output:
----------------------------------------------------------
SKIP: xwininfo is not installed (package x11-utils)
<end of output>
3/3 Testing: silent
Output:
----------------------------------------------------------
<end of output>
console: 1/3 Test #1: sound ............   Passed    1.00 sec
console: 2/3 Test #2: e2e ..............***Skipped   0.01 sec
console: 3/3 Test #3: silent ...........***Skipped   0.01 sec
LOG
}

skipping_run | run "outside CI every skip is listed and none fails" false 0 "Skipped (4)" \
  "MidiSynthTest::playsAgain(just after its end): No General MIDI" "e2e: xwininfo" "silent: (no reason given)"
skipping_run | run "under CI a missing package, tool or reason fails, the hardware skip does not" true 1 \
  "FAIL" "  MidiSynthTest::playsAgain(just after its end): No General MIDI soundfont (timgm6mb-soundfont)" \
  "  e2e: xwininfo is not installed (package x11-utils)" "  silent: (no reason given)" "!hardware:"
run "under CI a hardware skip alone passes" true 0 "hardware: an ALSA card" <<'LOG'
SKIP   : SoundDeviceTest::reportsNoOutput() hardware: an ALSA card (the test cannot hide it)
console: 1/1 Test #1: sound ............   Passed    1.00 sec
LOG
run "a run without skips says so" true 0 "No test was skipped." "!" <<'LOG'
PASS   : MidiSynthTest::rendersTheTune()
console: 1/1 Test #1: sound ............   Passed    1.00 sec
LOG

[ "$failures" -eq 0 ]
