#!/usr/bin/env bash
# Start-up of the Windows program under Wine, as a user sees it: from the
# launch to its main window on the screen (Xvfb), median of N runs, in a Wine
# prefix of its own that is warmed by one start first. Also the sizes of the
# program and of the setup program. For example:
#   tools/meet-start-windows.sh build/windows 5
set -euo pipefail
bouw=$(cd "${1:-build/windows}" && pwd)
n=${2:-5}
prefix=$bouw/wine-meting
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="

xvfb-run -a --server-args="-screen 0 1280x900x24" bash -c '
    mediaan() { sort -n | awk "{a[NR]=\$1} END {print a[int((NR+1)/2)]}"; }
    start() {
        local t0 t1
        t0=$(date +%s%N)
        /usr/lib/wine/wine64 "$0/RcVeltor/RcVeltor.exe" /-u >/dev/null 2>&1 &
        until xdotool search --onlyvisible --name "^RcVeltor$" >/dev/null 2>&1; do sleep 0.05; done
        t1=$(date +%s%N)
        /usr/lib/wine/wine64 taskkill /im RcVeltor.exe >/dev/null 2>&1 || true
        wait
        echo $(((t1 - t0) / 1000000))
    }
    cd "$0/RcVeltor"
    start >/dev/null # the prefix and the file cache
    tijden=()
    for ((i = 0; i < $1; i++)); do tijden+=("$(start)"); done
    echo "RcVeltor.exe to its main window under Wine, median of $1: $(printf "%s\n" "${tijden[@]}" | mediaan) ms"
' "$bouw" "$n"
/usr/lib/wine/wineserver -w
echo "RcVeltor.exe $(stat -c %s "$bouw/RcVeltor/RcVeltor.exe") bytes," \
     "setup $(stat -c %s "$bouw"/RcVeltor-*-setup.exe) bytes"
