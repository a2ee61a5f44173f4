#!/usr/bin/env bash
# Installs what is missing, builds the normal, the sanitizer and the fuzzing
# builds, and runs every test through CTest; then the Windows stage: the
# cross-build, its tests under Wine, and its calculator against the Linux one.
set -euo pipefail
cd "$(dirname "$0")"
source tools/vereisten.sh
rcv_installeer_vereisten

for preset in normaal asan fuzz; do
    echo "=== $preset ==="
    rcv_bouw "$preset"
    ctest --preset "$preset" -j 2
done

echo "=== windows ==="
begin=$SECONDS
rcv_bouw windows
ctest --preset windows -j 2
ctest --preset windows-tegen-linux -j 2
echo "Windows stage: $((SECONDS - begin)) s"
