#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in a folder that
# holds "lambda.bin" and "info.rtf".
set -euo pipefail
cd "$(dirname "$0")"
source tools/vereisten.sh
rcv_installeer_vereisten
rcv_bouw normaal

werkmap=build/normaal/run
mkdir -p "$werkmap"
cp build/normaal/data/lambda.bin "$werkmap/"
cp data/info.rtf "$werkmap/"
cd "$werkmap"
# The window program comes later; until then the command-line calculator shows
# the start build-up.
exec ../cli/rcveltor-cli "$@"
