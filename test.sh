#!/usr/bin/env bash
# Installs what is missing, builds the normal, the sanitizer and the fuzzing
# builds, and runs every test through CTest; then the Windows stage: the
# cross-build, its tests under Wine, and its calculator against the Linux one.
set -euo pipefail
cd "$(dirname "$0")"
source tools/vereisten.sh
rcv_installeer_vereisten

# A test that hangs fails after this many seconds instead of holding up the run.
wachttijd=900

for preset in normaal asan fuzz; do
    echo "=== $preset ==="
    begin=$SECONDS
    rcv_bouw "$preset"
    ctest --preset "$preset" -j 2 --timeout "$wachttijd"
    echo "Stage $preset: $((SECONDS - begin)) s"
done

echo "=== windows ==="
begin=$SECONDS
rcv_bouw windows
ctest --preset windows -j 2 --timeout "$wachttijd"
ctest --preset windows-tegen-linux -j 2 --timeout "$wachttijd"
echo "Windows stage: $((SECONDS - begin)) s"
echo "All stages: $SECONDS s"
