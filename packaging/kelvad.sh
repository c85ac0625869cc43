#!/bin/sh
# Starts the installed game from its program directory.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/kelvad/kelvad" "$@"
