#!/usr/bin/env bash
# Cross-builds, once, the static Windows (MinGW-w64) libraries that the window
# program links: qtbase, OpenSSL's libcrypto, libarchive and PoDoFo, each from
# Debian's source package. The result lands in a cache folder outside the repo
# whose name carries a hash of this script and the files it uses, so a change
# here builds afresh and an unchanged script finds its work done.
#
#   tools/mingw-bibliotheken.sh                 build what is missing
#   tools/mingw-bibliotheken.sh --pad           print the folder only
#   tools/mingw-bibliotheken.sh --stap NAAM     one stage (freetype, qt,
#                                               openssl, libarchive, unistring,
#                                               podofo)
#   tools/mingw-bibliotheken.sh --tot-qt-configure
#                                               stop once qtbase is configured
#
# Every stage has its own marker, so an interrupted run goes on where it
# stopped. RCV_MINGW_CACHE moves the cache (default ~/.cache/rcveltor).
set -Eeuo pipefail

HIER=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO=$(dirname "$HIER")
TOOLCHAIN=$HIER/mingw-w64-bibliotheken.cmake
QT_PATCH=$HIER/qtbase-6.4.2-zonder-opengl.patch
# Everything that decides what gets built.
INVOER=("$HIER/mingw-bibliotheken.sh" "$QT_PATCH" "$TOOLCHAIN" "$REPO/cmake/mingw-w64-x86_64.cmake")

WORTEL=${RCV_MINGW_CACHE:-$HOME/.cache/rcveltor}
HASH=$(cat "${INVOER[@]}" | sha256sum | cut -c1-12)
PAD=$WORTEL/mingw-$HASH
BRON=$WORTEL/bron # downloaded source packages, shared by every hash
KLAAR=$PAD/klaar
LOGS=$PAD/logs
QT_VERSIE=6.4.2
STAPPEN=(freetype qt openssl libarchive unistring podofo)

alleen_stap=""
tot_qt_configure=0
while (($# > 0)); do
    case $1 in
    --pad)
        echo "$PAD"
        exit 0
        ;;
    --stap)
        alleen_stap=${2:?--stap needs a stage name}
        shift
        ;;
    --tot-qt-configure) tot_qt_configure=1 ;;
    *)
        echo "unknown option: $1" >&2
        exit 2
        ;;
    esac
    shift
done

if [[ -e $KLAAR/alles ]]; then
    echo "$PAD"
    exit 0
fi

mkdir -p "$KLAAR" "$LOGS" "$BRON" "$PAD/src" "$PAD/bouw"
begin_run=$SECONDS
huidige=voorbereiding
log=$LOGS/voorbereiding.log

# The machine's two cores are shared with the developer: lowest priority.
ZACHT=(nice -n 19)
if command -v ionice >/dev/null && ionice -c3 true 2>/dev/null; then
    ZACHT+=(ionice -c3)
fi

trap 'echo "[$huidige] FAILED, the last lines of $log:" >&2; tail -n 30 "$log" >&2 || true' ERR

klok() { date +%H:%M:%S; }

duur() {
    local s=$1
    printf '%dh%02dm%02ds' $((s / 3600)) $((s % 3600 / 60)) $((s % 60))
}

# Copies a build's output to the stage log and prints a status line at most
# twice a minute, and at least once a minute while a long step is silent.
voortgang() {
    local stap=$1 regel teller="started" laatst=$SECONDS n=0 rc
    while true; do
        if IFS= read -r -t 60 regel; then
            printf '%s\n' "$regel" >>"$log"
            n=$((n + 1))
            if [[ $regel =~ ^\[([0-9]+)/([0-9]+)\] ]]; then
                teller="step ${BASH_REMATCH[1]}/${BASH_REMATCH[2]}"
            elif [[ $teller != step* ]]; then
                teller="$n lines of output"
            fi
            if ((SECONDS - laatst >= 30)); then
                echo "[$stap] $teller ($(klok))"
                laatst=$SECONDS
            fi
        else
            rc=$?
            ((rc > 128)) || break
            [[ -z ${regel:-} ]] || printf '%s' "$regel" >>"$log"
            echo "[$stap] $teller, still working ($(klok))"
            laatst=$SECONDS
        fi
    done
}

# Runs a command at low priority, its output into the stage log.
zacht() {
    "${ZACHT[@]}" "$@" 2>&1 | voortgang "$huidige"
}

pakketten_installeren() {
    local nodig=(dpkg-dev cmake ninja-build make perl patch xz-utils pkg-config
        g++-mingw-w64-x86-64-posix libz-mingw-w64-dev qt6-base-dev-tools)
    local ontbrekend=() p
    for p in "${nodig[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            ontbrekend+=("$p")
    done
    ((${#ontbrekend[@]} == 0)) && return 0
    echo "Installing: ${ontbrekend[*]}"
    apt-get update -q -o DPkg::Lock::Timeout=900 >>"$log" 2>&1
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q -o DPkg::Lock::Timeout=900 \
        --no-install-recommends "${ontbrekend[@]}" >>"$log" 2>&1
}

# apt-get source needs deb-src entries. Mirrors the existing Debian entries in
# a file of its own, so the machine's own files stay as they are.
bronnen_aanzetten() {
    if [[ -n $(apt-cache showsrc qt6-base 2>/dev/null) ]]; then
        return 0
    fi
    local doel=/etc/apt/sources.list.d/rcveltor-deb-src
    if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types:[^\n]*deb/ && /Components:[^\n]*main/ {
                 sub(/Types:[^\n]*/, "Types: deb-src"); print }' \
            /etc/apt/sources.list.d/debian.sources >"$doel.sources"
    elif [[ -f /etc/apt/sources.list ]]; then
        sed -n 's/^deb \(.*debian.* main.*\)$/deb-src \1/p' /etc/apt/sources.list >"$doel.list"
    fi
    echo "Added deb-src entries; apt-get update"
    apt-get update -q -o DPkg::Lock::Timeout=900 >>"$log" 2>&1
    if [[ -z $(apt-cache showsrc qt6-base 2>/dev/null) ]]; then
        echo "apt still knows no source packages; check /etc/apt/sources.list.d/" >&2
        return 1
    fi
}

# Upstream part of a Debian version: 1:6.4.2+dfsg-10 -> 6.4.2
bovenstrooms() {
    local v=${1#*:}
    v=${v%-*}
    echo "${v%%[+~]*}"
}

# Downloads a source package into $BRON and prints the .dsc, or, when the
# mirror lacks the Debian part of every version, "orig:<tarball>". Tries the
# newest version first; with a second argument only that upstream version.
bron_halen() {
    local pakket=$1 wil=${2:-} v w ouder versies=()
    while read -r v; do
        [[ -n $v ]] || continue
        [[ -z $wil || $(bovenstrooms "$v") == "$wil" ]] && versies+=("$v")
    done < <(apt-cache showsrc "$pakket" | awk '/^Version:/ { print $2 }' | sort -u)
    # newest first: insertion sort by Debian's own ordering
    local gesorteerd=()
    for v in "${versies[@]}"; do
        local i=0
        while ((i < ${#gesorteerd[@]})) && dpkg --compare-versions "${gesorteerd[i]}" gt "$v"; do
            i=$((i + 1))
        done
        gesorteerd=("${gesorteerd[@]:0:i}" "$v" "${gesorteerd[@]:i}")
    done
    ((${#gesorteerd[@]} > 0)) || {
        echo "no source package $pakket ${wil}" >&2
        return 1
    }
    for v in "${gesorteerd[@]}"; do
        w=${v#*:}
        if [[ -f $BRON/${pakket}_$w.dsc.compleet ]] ||
            (cd "$BRON" && apt-get source --download-only "$pakket=$v" >>"$log" 2>&1); then
            touch "$BRON/${pakket}_$w.dsc.compleet"
            echo "$BRON/${pakket}_$w.dsc"
            return 0
        fi
        echo "  $pakket $v: incomplete on the mirror" >>"$log"
    done
    for v in "${gesorteerd[@]}"; do
        w=${v#*:}
        ouder=$(compgen -G "$BRON/${pakket}_${w%-*}.orig.tar.*" | grep -v '\.asc$' | head -n1 || true)
        if [[ -n $ouder ]]; then
            echo "orig:$ouder"
            return 0
        fi
    done
    echo "could not download source package $pakket" >&2
    return 1
}

# Unpacks a source package (with Debian's patches) into $PAD/src/<naam>.
bron_uitpakken() {
    local naam=$1 pakket=$2 wil=${3:-}
    local doel=$PAD/src/$naam
    [[ -d $doel ]] && return 0
    local bron
    bron=$(bron_halen "$pakket" "$wil")
    rm -rf "$doel.tmp"
    if [[ $bron == orig:* ]]; then
        echo "[$naam] WARNING: the mirror lacks Debian's patches; upstream tarball ${bron#orig:}"
        mkdir -p "$doel.tmp"
        tar -xf "${bron#orig:}" -C "$doel.tmp" --strip-components=1
    else
        echo "[$naam] source $(basename "$bron")"
        (cd "$PAD/src" && dpkg-source -x "$bron" "$doel.tmp") >>"$log" 2>&1
    fi
    if [[ $naam == qt ]]; then
        patch -p1 -d "$doel.tmp" <"$QT_PATCH" >>"$log"
    fi
    # Debian's patches touch m4 files; equal times keep make from wanting
    # automake to regenerate what the tarball already holds.
    find "$doel.tmp" -exec touch -h -d "@$(date +%s)" {} +
    mv "$doel.tmp" "$doel"
}

CMAKE_KRUIS=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DRCV_MINGW_PAD="$PAD"
    -DCMAKE_BUILD_TYPE=Release)
ZLIB_MINGW=(-DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include
    -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a)

# Only a font rasteriser, without the optional libraries; qtbase and PoDoFo
# share it, so the program holds one copy of its symbols. With Debian's zlib:
# without it freetype compiles in a zlib of its own, whose symbols clash with
# the zlib that libarchive and PoDoFo link.
stap_freetype() {
    bron_uitpakken freetype freetype
    local b=$PAD/bouw/freetype
    zacht cmake "${CMAKE_KRUIS[@]}" -S "$PAD/src/freetype" -B "$b" \
        -DCMAKE_INSTALL_PREFIX="$PAD/freetype" -DBUILD_SHARED_LIBS=OFF \
        -DFT_REQUIRE_ZLIB=ON "${ZLIB_MINGW[@]}" -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
        -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
    zacht cmake --build "$b" -j2
    zacht cmake --install "$b"
}

qt_configureren() {
    local b=$PAD/bouw/qt
    [[ -e $b/.geconfigureerd ]] && return 0
    local host
    host=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
    if [[ $(bovenstrooms "$host") != "$QT_VERSIE" ]]; then
        echo "[qt] the host tools are Qt $host, not $QT_VERSIE" >&2
        return 1
    fi
    bron_uitpakken qt qt6-base "$QT_VERSIE"
    rm -rf "$b"
    # Host moc, rcc and uic from Debian (same version); static; only the
    # modules and plugins the program uses. TLS over Windows' Schannel.
    # tabletevent: Debian's source lacks 3rdparty/wintab.
    zacht cmake "${CMAKE_KRUIS[@]}" -S "$PAD/src/qt" -B "$b" \
        -DCMAKE_INSTALL_PREFIX="$PAD/qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=OFF \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
        -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_tuiotouch=OFF \
        -DINPUT_openssl=no -DFEATURE_openssl=OFF -DFEATURE_schannel=ON \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_freetype=ON -DFEATURE_system_freetype=ON
    cp "$b/config.summary" "$LOGS/qt-config.summary" 2>/dev/null || true
    touch "$b/.geconfigureerd"
}

stap_qt() {
    qt_configureren
    ((tot_qt_configure)) && return 0
    local b=$PAD/bouw/qt
    zacht cmake --build "$b" -j2
    zacht cmake --install "$b"
}

# libcrypto for the update engine (Ed25519, SHA-256); libssl comes along.
stap_openssl() {
    bron_uitpakken openssl openssl
    local b=$PAD/bouw/openssl
    if [[ ! -e $b/.geconfigureerd ]]; then
        rm -rf "$b"
        mkdir -p "$b"
        (cd "$b" && CC=x86_64-w64-mingw32-gcc-posix AR=x86_64-w64-mingw32-ar \
            RANLIB=x86_64-w64-mingw32-ranlib RC=x86_64-w64-mingw32-windres \
            zacht perl "$PAD/src/openssl/Configure" mingw64 no-shared no-module no-tests \
            --prefix="$PAD/openssl" --openssldir="$PAD/openssl/ssl" --libdir=lib)
        touch "$b/.geconfigureerd"
    fi
    (cd "$b" && zacht make -j2 build_libs && zacht make install_dev)
}

# Reading only: zlib for zip's deflate and gzip, Windows' CNG for encrypted
# zips; no other compression library, no command-line programs.
stap_libarchive() {
    bron_uitpakken libarchive libarchive
    local b=$PAD/bouw/libarchive p=$PAD/libarchive
    local uit=(ENABLE_OPENSSL ENABLE_MBEDTLS ENABLE_NETTLE ENABLE_LIBB2 ENABLE_LZ4
        ENABLE_LZO ENABLE_LZMA ENABLE_ZSTD ENABLE_BZip2 ENABLE_LIBXML2 ENABLE_EXPAT
        ENABLE_PCREPOSIX ENABLE_LIBGCC ENABLE_ICONV ENABLE_ACL ENABLE_XATTR
        ENABLE_TAR ENABLE_CPIO ENABLE_CAT ENABLE_TEST ENABLE_WERROR)
    uit=("${uit[@]/%/=OFF}")
    # The ZLIB_WINAPI probe runs a program, which a cross-build cannot (and
    # cmake 3.25 crashes on); Debian's MinGW zlib is built without WINAPI.
    zacht cmake "${CMAKE_KRUIS[@]}" -S "$PAD/src/libarchive" -B "$b" \
        -DCMAKE_INSTALL_PREFIX="$p" "${ZLIB_MINGW[@]}" -DENABLE_ZLIB=ON -DENABLE_CNG=ON \
        -DZLIB_WINAPI=OFF -DZLIB_WINAPI_WITH_LIB=/usr/x86_64-w64-mingw32/lib/libz.a \
        -DPOSIX_REGEX_LIB=NONE \
        "${uit[@]/#/-D}"
    # The static library alone, installed by hand: its install rule wants
    # the DLL as well, which would double the build. Named plainly, so that
    # FindLibArchive takes it; the headers then need not import from a DLL.
    zacht cmake --build "$b" -j2 --target archive_static
    install -d "$p/include" "$p/lib/pkgconfig"
    install -m644 "$b/libarchive/libarchive_static.a" "$p/lib/libarchive.a"
    install -m644 "$b/build/pkgconfig/libarchive.pc" "$p/lib/pkgconfig/"
    local h
    for h in archive.h archive_entry.h; do
        install -m644 "$PAD/src/libarchive/libarchive/$h" "$p/include/"
        grep -q '^#define LIBARCHIVE_STATIC' "$p/include/$h" ||
            sed -Ei '0,/^#define[[:space:]]+[A-Z_]*_H_INCLUDED/s//&\n#define LIBARCHIVE_STATIC 1/' "$p/include/$h"
    done
    sed -i 's/^Libs: .*/Libs: -L${libdir} -larchive -lz -lbcrypt/' "$p/lib/pkgconfig/libarchive.pc"
}

# Debian's PoDoFo converts UTF-8 and UTF-16 with libunistring, in place of
# code it removed for its licence. Installed beside PoDoFo, whose need it is.
stap_unistring() {
    bron_uitpakken unistring libunistring
    local b=$PAD/bouw/unistring
    if [[ ! -e $b/.geconfigureerd ]]; then
        rm -rf "$b"
        mkdir -p "$b"
        (cd "$b" && zacht "$PAD/src/unistring/configure" --host=x86_64-w64-mingw32 \
            CC=x86_64-w64-mingw32-gcc-posix CFLAGS=-O2 --prefix="$PAD/podofo" \
            --enable-static --disable-shared --disable-rpath --without-libiconv-prefix)
        touch "$b/.geconfigureerd"
    fi
    (cd "$b" && zacht make -j2 -C lib && zacht make -C lib install)
}

# The library alone, static, with freetype, zlib and libunistring; the font
# manager finds fonts through GDI on Windows, so no fontconfig.
stap_podofo() {
    bron_uitpakken podofo libpodofo
    local b=$PAD/bouw/podofo p=$PAD/podofo
    local zonder=(LIBCRYPTO OpenSSL LIBIDN LIBJPEG TIFF PNG CppUnit LUA
        FONTCONFIG Boost LIBSTLPORT)
    zonder=("${zonder[@]/#/-DCMAKE_DISABLE_FIND_PACKAGE_}")
    zacht cmake "${CMAKE_KRUIS[@]}" -S "$PAD/src/podofo" -B "$b" \
        -DCMAKE_INSTALL_PREFIX="$p" "${ZLIB_MINGW[@]}" \
        -DPODOFO_BUILD_STATIC=ON -DPODOFO_BUILD_SHARED=OFF -DPODOFO_BUILD_LIB_ONLY=ON \
        -DZLIB_LIBRARY_RELEASE=/usr/x86_64-w64-mingw32/lib/libz.a \
        -DFREETYPE_INCLUDE_DIR_FT2BUILD="$PAD/freetype/include/freetype2" \
        -DFREETYPE_INCLUDE_DIR_FTHEADER="$PAD/freetype/include/freetype2" \
        -DFREETYPE_LIBRARY_RELEASE="$PAD/freetype/lib/libfreetype.a" \
        -DUNISTRING_INCLUDE_DIR="$p/include" -DUNISTRING_LIBRARY="$p/lib/libunistring.a" \
        "${zonder[@]/%/=ON}"
    zacht cmake --build "$b" -j2
    zacht cmake --install "$b"
    # Static PoDoFo installs no pkg-config file; this one names what it needs.
    mkdir -p "$p/lib/pkgconfig"
    cat >"$p/lib/pkgconfig/libpodofo.pc" <<EOF
prefix=$p
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: PoDoFo
Description: A C++ library to work with the PDF file format (static, MinGW-w64)
Version: $(awk '/define PODOFO_VERSION_(MAJOR|MINOR|PATCH)/ { printf "%s%s", s, $3; s = "." }' "$b/podofo_config.h")
Libs: -L\${libdir} -lpodofo -lunistring -L$PAD/freetype/lib -lfreetype -lz -lgdi32 -luser32 -lws2_32
Cflags: -I\${includedir} -I\${includedir}/podofo -I$PAD/freetype/include/freetype2
EOF
}

nodig_voor() {
    case $1 in
    qt) echo freetype ;;
    podofo) echo freetype unistring ;;
    esac
}

stap_uitvoeren() {
    local stap=$1
    [[ -e $KLAAR/$stap ]] && return 0
    local d
    for d in $(nodig_voor "$stap"); do
        [[ -e $KLAAR/$d ]] || {
            echo "[$stap] needs stage $d first" >&2
            return 1
        }
    done
    # One run at a time per stage; a second run waits, then finds it done.
    exec {slot}>"$PAD/.slot-$stap"
    flock "$slot"
    if [[ ! -e $KLAAR/$stap ]]; then
        huidige=$stap
        log=$LOGS/$stap.log
        local begin=$SECONDS
        echo "[$stap] begins ($(klok)), log $log"
        "stap_$stap"
        if [[ $stap == qt ]] && ((tot_qt_configure)); then
            echo "[qt] configured in $(duur $((SECONDS - begin))), summary $LOGS/qt-config.summary"
        else
            echo $((SECONDS - begin)) >"$KLAAR/$stap"
            echo "[$stap] done in $(duur $((SECONDS - begin))) ($(klok))"
        fi
    fi
    exec {slot}>&-
}

hoofd() {
    log=$LOGS/voorbereiding.log
    pakketten_installeren
    bronnen_aanzetten

    if [[ -n $alleen_stap ]]; then
        [[ " ${STAPPEN[*]} " == *" $alleen_stap "* ]] || {
            echo "unknown stage: $alleen_stap (${STAPPEN[*]})" >&2
            exit 2
        }
        stap_uitvoeren "$alleen_stap"
    elif ((tot_qt_configure)); then
        stap_uitvoeren freetype
        stap_uitvoeren qt
    else
        local stap
        for stap in "${STAPPEN[@]}"; do
            stap_uitvoeren "$stap"
        done
        touch "$KLAAR/alles"
        echo "Stages (build time of the run that finished each):"
        for stap in "${STAPPEN[@]}"; do
            echo "  $stap $(duur "$(cat "$KLAAR/$stap")")"
        done
    fi
    echo "This run took $(duur $((SECONDS - begin_run)))"
    echo "$PAD"
}

# Read whole before it runs: an edit to this file during a long build must
# not reach the running shell.
hoofd; exit
