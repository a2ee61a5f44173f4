#!/usr/bin/env bash
# Installs what is missing, builds the normal, the sanitizer and the fuzzing
# builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
source tools/vereisten.sh
rcv_installeer_vereisten

for preset in normaal asan fuzz; do
    echo "=== $preset ==="
    rcv_bouw "$preset"
    ctest --preset "$preset" -j 2
done
