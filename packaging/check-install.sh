#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the installed game is whole and starts.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/kelvad lib/kelvad/kelvad lib/kelvad/libkelvad-audio.so lib/kelvad/Haitei1.bmp lib/kelvad/Battle.Mid lib/kelvad/Kelvad.Hlp \
            lib/kelvad/pictures/cursor.png share/applications/jp.kelvad.Kelvad.desktop \
            share/metainfo/jp.kelvad.Kelvad.metainfo.xml share/icons/hicolor/256x256/apps/jp.kelvad.Kelvad.png \
            share/icons/hicolor/scalable/apps/jp.kelvad.Kelvad.svg; do
  [ -e "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
if [ -e "$prefix/lib/kelvad/TOKUTEN" ]; then
  echo "a high-score file was installed"
  exit 1
fi

# The launcher starts the installed program (offscreen, stopped after a moment).
set +e
timeout 3 "$prefix/bin/kelvad"
status=$?
set -e
[ "$status" -eq 124 ] || { echo "the installed game did not keep running (exit $status)"; exit 1; }
echo "installed game is whole and starts"
