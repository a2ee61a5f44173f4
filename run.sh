#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in a folder that
# holds its data files ("lambda.bin", "info.rtf", the moisture check's).
set -euo pipefail
cd "$(dirname "$0")"
source tools/vereisten.sh
rcv_installeer_vereisten
rcv_bouw normaal

werkmap=build/normaal/run
mkdir -p "$werkmap"
cp build/normaal/data/lambda.bin data/info.rtf data/fabrikant.ini data/vocht.ini data/klimaat.ini "$werkmap/"
cd "$werkmap"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty); showing the start build-up instead."
    ../cli/rcveltor-cli
    echo
    echo "To start the window program without a display: (cd $PWD && xvfb-run -a ../app/RcVeltor)"
    exit 0
fi
exec ../app/RcVeltor "$@"
