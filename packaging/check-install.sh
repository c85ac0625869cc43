#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch prefix and checks that the installed game is whole, answers on its command
# line without a display, and starts and finds its files; with --hardened, also that the executable and the
# sound module carry the defences of a hardened build (cmake/Hardening.cmake), and that the build's flags
# fortify (packaging/fortify-probe.cpp).
#   check-install.sh BUILD_DIR [--hardened FORTIFY_PROBE]
set -euo pipefail
build=$1
hardened=${2:-}
probe=${3:-}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

data=share/games/kelvad
for file in games/kelvad lib/games/kelvad/libkelvad-audio.so $data/Haitei1.bmp $data/Battle.Mid $data/Kelvad.Hlp $data/Kelvad-en.Hlp \
            $data/pictures/cursor.png \
            share/applications/jp.kelvad.Kelvad.desktop share/metainfo/jp.kelvad.Kelvad.metainfo.xml \
            share/icons/hicolor/256x256/apps/jp.kelvad.Kelvad.png \
            share/icons/hicolor/scalable/apps/jp.kelvad.Kelvad.svg \
            share/man/man6/kelvad.6.gz share/doc/kelvad/changelog.gz share/doc/kelvad/copyright; do
  [ -e "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
if [ -n "$(find "$prefix" -name TOKUTEN)" ]; then
  echo "a high-score file was installed"
  exit 1
fi
gzip -t "$prefix/share/man/man6/kelvad.6.gz" "$prefix/share/doc/kelvad/changelog.gz"
cmp -s "$prefix/share/doc/kelvad/copyright" "$(dirname "$0")/copyright" ||
  { echo "the installed copyright file is not packaging/copyright"; exit 1; }

# A launcher lists the game under the names its window bears: the Japanese one, and in English the translation
# the game shows (translations/kelvad_en.ts), in the desktop entry and the AppStream metadata alike.
desktop="$prefix/share/applications/jp.kelvad.Kelvad.desktop"
metainfo="$prefix/share/metainfo/jp.kelvad.Kelvad.metainfo.xml"
entry_ja=$(sed -n '/^\[Desktop Action/q; s/^Name\[ja\]=//p' "$desktop")
entry_en=$(sed -n '/^\[Desktop Action/q; s/^Name=//p' "$desktop")
metainfo_ja=$(sed -n 's|^ *<name xml:lang="ja">\(.*\)</name>|\1|p' "$metainfo")
metainfo_en=$(sed -n 's|^ *<name>\(.*\)</name>|\1|p' "$metainfo")
window_en=$(awk -v source="<source>$entry_ja</source>" 'index($0, source) { getline; sub(/^ *<translation>/, "");
  sub(/<\/translation>.*/, ""); print; exit }' "$(dirname "$0")/../translations/kelvad_en.ts")
{ [ -n "$window_en" ] && [ "$entry_en" = "$window_en" ] && [ "$metainfo_en" = "$window_en" ] &&
  [ "$metainfo_ja" = "$entry_ja" ]; } ||
  { echo "the launcher's names ($entry_ja, $entry_en; metadata: $metainfo_ja, $metainfo_en) are not the" \
      "window's ($entry_ja, ${window_en:-no translation})"; exit 1; }

# Read from the ELF headers as lintian does: relocations resolved at start (BIND_NOW) in a segment made read-only
# after them (GNU_RELRO), a position-independent executable (type DYN), and stack canaries (__stack_chk_fail).
# Checked string and memory functions (__read_chk and the like) show only where a call needs a check at run
# time, which none of the game's does: they are looked for in the probe built with the same flags.
undefined_symbols() { readelf --wide --dyn-syms "$1" | awk '$7 == "UND" { sub(/@.*/, "", $8); print $8 }'; }
check_hardened() {
  local file=$1 headers missing=()
  headers=$(readelf --wide --file-header --program-headers --dynamic "$file")
  grep -Eq '^ *Type: +DYN ' <<<"$headers" || missing+=("position-independent code (ELF type DYN)")
  grep -Eq '^ *GNU_RELRO ' <<<"$headers" || missing+=("GNU_RELRO")
  grep -Eq '\(BIND_NOW\)|\(FLAGS\) .*BIND_NOW|\(FLAGS_1\) .*NOW' <<<"$headers" || missing+=("BIND_NOW")
  grep -qx __stack_chk_fail <<<"$(undefined_symbols "$file")" || missing+=("stack protector (__stack_chk_fail)")
  if [ ${#missing[@]} -ne 0 ]; then
    echo "${file#"$prefix/"} is not hardened: no $(printf '%s, ' "${missing[@]}" | sed 's/, $//')"
    exit 1
  fi
}
if [ "$hardened" = --hardened ]; then
  check_hardened "$prefix/games/kelvad"
  check_hardened "$prefix/lib/games/kelvad/libkelvad-audio.so"
  grep -qx __read_chk <<<"$(undefined_symbols "$probe")" ||
    { echo "the build's flags do not fortify: $(basename "$probe") calls no __read_chk"; exit 1; }
fi

# --help and --version print and end, with no display to open a window on. (Qt may warn on stderr about the
# locale; what counts is on stdout.)
errors="$prefix/stderr"
answer() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/games/kelvad" "$@" 2>"$errors"; }
version=$(answer --version) || { echo "kelvad --version failed: $(cat "$errors")"; exit 1; }
# Its first line is the name and the version of the changelog; its second names the licence the metadata gives.
expected="kelvad $(sed -n 's/^kelvad (\([^)]*\)).*/\1/p;q' "$(dirname "$0")/changelog")"
licence=$(sed -n 's|.*<project_license>\(.*\)</project_license>.*|\1|p' \
  "$prefix/share/metainfo/jp.kelvad.Kelvad.metainfo.xml")
names_licence() { [ -n "$licence" ] && grep -oE '[A-Za-z0-9.+-]+' <<<"$1" | grep -qxF -- "$licence"; }
{ [ "$(wc -l <<<"$version")" -eq 2 ] && [ "$(sed -n 1p <<<"$version")" = "$expected" ] &&
  names_licence "$(sed -n 2p <<<"$version")"; } ||
  { echo "kelvad --version printed: $version"; exit 1; }
help=$(answer --help) || { echo "kelvad --help failed: $(cat "$errors")"; exit 1; }
grep -q -- "--version" <<<"$help" || { echo "kelvad --help printed: $help"; exit 1; }
if answer --no-such-option >/dev/null; then
  echo "kelvad took an unknown option"
  exit 1
fi
grep -q "Unknown option 'no-such-option'" "$errors" || { echo "kelvad --no-such-option printed: $(cat "$errors")"; exit 1; }

# The installed program starts (offscreen, stopped after a moment) and keeps its scores with its files, the
# folder being writable here: it found them in share/games/kelvad.
set +e
timeout 3 "$prefix/games/kelvad"
status=$?
set -e
[ "$status" -eq 124 ] || { echo "the installed game did not keep running (exit $status)"; exit 1; }
[ -f "$prefix/$data/TOKUTEN" ] || { echo "the installed game did not find its files in $data"; exit 1; }
echo "installed game is whole${hardened:+ and hardened}, answers --help and --version, and starts"
