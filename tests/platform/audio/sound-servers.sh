#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game's sound against the real sound servers players have: a private PulseAudio, and a private PipeWire
# (pipewire, wireplumber and pipewire-pulse in their own runtime folder and session bus), each with only a
# null sink, recorded through its monitor by kelvad-wave-latency with a 100 ms recorder that leaves
# PipeWire's cycle (its quantum) as the game gets it.
#   sound-servers.sh TOOL whole      shots over the tune: each whole and on time, PipeWire at the quantum the
#                                    game gets alone and at 2048 forced
#   sound-servers.sh TOOL restart    each server killed and started again mid-game, and the game's stream
#                                    ended by the server: the shots after it, and the next game, heard again
# Exits 77 with "SKIP: reason" when a server or tool is missing (scripts/setup --test installs them).
set -euo pipefail
tool=${1:?usage: sound-servers.sh TOOL whole|restart}
what=${2:?usage: sound-servers.sh TOOL whole|restart}
self=$(realpath "${BASH_SOURCE[0]}")

# The disruptions, run by the tool mid-game: `sound-servers.sh - disrupt SERVER restart|stream`.
if [ "$what" = disrupt ]; then
  server=$3
  . "$KELVAD_SOUND_WORK/functions"
  case "$4" in
    restart)
      stop_"$server"
      start_"$server"
      ;;
    stream)
      # The game's stream, as each server's own tool ends it.
      if [ "$server" = pipewire ]; then
        node=$(pw-cli ls Node | awk '/^\tid / { id = $2; sub(",", "", id) }
          /application.name = "kelvad-wave-latency"/ { print id; exit }')
        pw-cli destroy "$node" >/dev/null
      else
        pacmd kill-sink-input "$(pactl list short sink-inputs | awk 'NR == 1 { print $1 }')"
      fi
      ;;
  esac
  exit 0
fi

missing=()
for command in pulseaudio pactl parec pipewire wireplumber pipewire-pulse pw-metadata pw-cli dbus-run-session; do
  command -v "$command" >/dev/null || missing+=("$command")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "SKIP: missing ${missing[*]} (Debian packages pulseaudio pulseaudio-utils pipewire pipewire-pulse" \
    "wireplumber dbus-daemon: scripts/setup --test)"
  exit 77
fi
# PipeWire's daemons want a session bus of their own.
if [ -z "${KELVAD_SOUND_BUS:-}" ]; then
  KELVAD_SOUND_BUS=1 exec dbus-run-session -- "$self" "$@"
fi

work=$(mktemp -d)
chmod 700 "$work"
export KELVAD_SOUND_WORK=$work
cat >"$work/functions" <<'EOF'
sink=kelvad_test
runtime=$KELVAD_SOUND_WORK/runtime
pids=$KELVAD_SOUND_WORK/pids
# Waits up to 10 s for a command to succeed.
await() {
  for _ in $(seq 200); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  echo "timed out waiting for: $*" >&2
  return 1
}
has_sink() { pactl list short sinks | grep -q "$sink"; }
background() {
  setsid "$@" >>"$KELVAD_SOUND_WORK/server.log" 2>&1 </dev/null &
  echo $! >>"$pids"
}
stop_all() {
  [ -f "$pids" ] || return 0
  while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$pids"
  while read -r pid; do
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    kill -9 "$pid" 2>/dev/null || true
  done <"$pids"
  rm -f "$pids"
}
start_pulseaudio() {
  # Its pid file and command socket in the private runtime folder are pacmd's way in.
  background pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr --log-level=error \
    "--load=module-native-protocol-unix auth-anonymous=1 socket=$runtime/pulse/native" \
    "--load=module-cli-protocol-unix socket=$runtime/pulse/cli" "--load=module-null-sink sink_name=$sink"
  await has_sink
}
stop_pulseaudio() { stop_all; }
start_pipewire() {
  # Its nodes' log at the info level names each cycle the graph did not finish in time: the server's own
  # graph running late, which no client can make up for.
  PIPEWIRE_DEBUG=2,pw.node:3 background pipewire
  await test -S "$runtime/pipewire-0"
  background wireplumber
  background pipewire-pulse
  await pactl info
  pactl load-module module-null-sink sink_name=$sink >/dev/null
  await has_sink
  if [ -n "${KELVAD_QUANTUM:-}" ]; then
    pw-metadata -n settings 0 clock.force-quantum "$KELVAD_QUANTUM" >/dev/null
  fi
}
stop_pipewire() { stop_all; }
EOF
. "$work/functions"
cleanup() {
  stop_all
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 700 "$runtime" "$runtime/pulse" "$work/home"
printf 'autospawn = no\n' >"$work/client.conf"
# WirePlumber 0.4 (Debian 12) watches the login seats for its Bluetooth monitor; on a system without logind
# that fails and leaves the graph unlinked, so the recorder hears nothing. The private server needs no
# Bluetooth; the setting must come before 90-enable-all.lua. (WirePlumber 0.5 does not stumble there.)
mkdir -p "$work/home/.config/wireplumber/bluetooth.lua.d"
printf 'bluez_monitor.enabled = false\n' >"$work/home/.config/wireplumber/bluetooth.lua.d/80-kelvad-test.lua"
export XDG_RUNTIME_DIR=$runtime PULSE_RUNTIME_PATH=$runtime/pulse HOME=$work/home
export XDG_CONFIG_HOME=$work/home/.config XDG_STATE_HOME=$work/home/.state
export PULSE_SERVER=unix:$runtime/pulse/native PULSE_CLIENTCONFIG=$work/client.conf LC_ALL=C.UTF-8
unset PULSE_SINK PIPEWIRE_REMOTE

failed=0
# The cycles PipeWire's graph ran late so far (see start_pipewire): 0.3 names each late node of a cycle
# ("client too slow ... pos:N"), 1.x the cycle ("graph xrun"), with how many it left out of the log since.
graph_late() {
  awk '/client too slow/ { match($0, /pos:[0-9]+/); if (!seen[substr($0, RSTART, RLENGTH)]++) n++ }
    /graph xrun/ { n++; if (match($0, /\([0-9]+ suppressed\)/)) n += substr($0, RSTART + 1, RLENGTH - 12) }
    END { print n + 0 }' "$work/server.log"
}
# run SERVER NAME MEDIAN_MS WORST_MS [DISRUPTION]: the limits of the shots' onsets (kelvad-wave-latency
# --check), 0 for none.
run() {
  local server=$1 name=$2 median=$3 worst=$4 late
  shift 4
  echo
  echo "== $name"
  "start_$server"
  if [ "$server" = pipewire ]; then
    echo "$(pactl info | sed -n 's/^Server Name: //p'), quantum ${KELVAD_QUANTUM:-as the game gets it alone}"
  fi
  late=$(graph_late)
  if ! "$tool" --check "$sink" "${KELVAD_SHOTS:-16}" "$median" "$worst" "$@"; then
    late=$(($(graph_late) - late))
    # A run fails on one shot cut or late. A machine busy with other work can hold the server back: on
    # PipeWire that shows as cycles of its graph that ran late, and only then is the run tried once more;
    # without them the fault is the game's. PulseAudio says nothing of the kind, so it is tried once more.
    if [ "$server" = pipewire ] && [ "$late" -eq 0 ]; then
      echo "FAIL: $name, with PipeWire's graph on time"
      failed=1
    else
      [ "$server" = pipewire ] && echo "-- PipeWire's graph ran late $late times in this run (a busy machine)"
      echo "-- $name failed; once more"
      "stop_$server"
      "start_$server"
      late=$(graph_late)
      if ! "$tool" --check "$sink" "${KELVAD_SHOTS:-16}" "$median" "$worst" "$@"; then
        [ "$server" = pipewire ] && echo "-- PipeWire's graph ran late $(($(graph_late) - late)) times in this run"
        echo "FAIL: $name"
        tail -n 20 "$work/server.log"
        failed=1
      fi
    fi
  fi
  "stop_$server"
}

case "$what" in
  whole)
    # PulseAudio has no cycle to shrink; its null sink, recorded in 100 ms blocks, loses the start of a
    # stream that opens (a sink that rewinds, such as a sound card's, does not).
    KELVAD_RECORDER_MS=5 run pulseaudio "PulseAudio $(pulseaudio --version | awk '{print $2}')" 10 20
    # Every shot whole; heard within 30 ms (median) and 50 ms (worst) at the quantum the game gets alone,
    # within two quanta at a forced one.
    KELVAD_QUANTUM= run pipewire "PipeWire, the game's own quantum" 30 50
    KELVAD_QUANTUM=2048 run pipewire "PipeWire, quantum 2048 forced" 85 85
    ;;
  restart)
    for server in pulseaudio pipewire; do
      recorder=100
      [ "$server" = pulseaudio ] && recorder=5
      KELVAD_SHOTS=8 KELVAD_RECORDER_MS=$recorder run "$server" "$server killed and started again" 90 0 \
        "$self - disrupt $server restart"
      KELVAD_SHOTS=8 KELVAD_RECORDER_MS=$recorder run "$server" "$server ends the game's stream" 90 0 \
        "$self - disrupt $server stream"
    done
    ;;
  *)
    echo "usage: sound-servers.sh TOOL whole|restart" >&2
    exit 2
    ;;
esac
exit "$failed"
