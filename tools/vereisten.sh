#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those
# that are missing. Sourced by run.sh and test.sh.
set -euo pipefail

RCV_PAKKETTEN=(
    g++ cmake ninja-build pkg-config ccache
    g++-mingw-w64-x86-64-posix googletest wine64 nsis osslsigncode
    clang libclang-rt-14-dev
    libgtest-dev libbenchmark-dev nlohmann-json3-dev
    python3
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n libfontconfig-dev
    fonts-liberation2 fonts-liberation
    xvfb xauth shared-mime-info openbox xdotool imagemagick
    cups cups-filters cups-client poppler-utils libpodofo-dev
    libssl-dev libarchive-dev
)

rcv_installeer_vereisten() {
    local ontbrekend=()
    local p
    for p in "${RCV_PAKKETTEN[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            ontbrekend+=("$p")
        fi
    done
    if ((${#ontbrekend[@]} == 0)); then
        return 0
    fi
    echo "Installing missing packages: ${ontbrekend[*]}"
    local sudo=""
    if [[ $(id -u) -ne 0 ]]; then
        sudo="sudo"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${ontbrekend[@]}"
}

rcv_bouw() {
    local preset=$1
    # A second build of the same sources, in any of the presets, comes from the cache.
    export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
    export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
    # Paths relative to the checkout, so that a clone in another folder (CI's)
    # finds what an earlier build of the same sources left in the cache.
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
    export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j 2
}
