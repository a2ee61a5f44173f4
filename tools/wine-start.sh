#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of its own, without display
# and without Wine's debug output:
#   wine-start.sh <prefix folder> <program.exe> [arguments...]
# The prefix is made on first use; parallel first uses wait for one another.
set -euo pipefail
prefix=$1
shift
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wine=/usr/lib/wine/wine64
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [[ ! -f $WINEPREFIX/system.reg ]]; then
            "$wine" wineboot -i >/dev/null 2>&1
            /usr/lib/wine/wineserver -w
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
