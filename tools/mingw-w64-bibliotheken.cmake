# The MinGW-w64 cross-build together with the static libraries that
# tools/mingw-bibliotheken.sh builds. Give it the folder that
# `tools/mingw-bibliotheken.sh --pad` prints, as -DRCV_MINGW_PAD=... or in
# the environment variable of that name.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/mingw-w64-x86_64.cmake)

if(NOT RCV_MINGW_PAD AND DEFINED ENV{RCV_MINGW_PAD})
    set(RCV_MINGW_PAD "$ENV{RCV_MINGW_PAD}")
endif()

if(RCV_MINGW_PAD)
    # try_compile reads this file again, without the cache.
    list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES RCV_MINGW_PAD)
    set(_rcv_pc "")
    foreach(_rcv_deel qt freetype openssl libarchive podofo)
        # A root of its own: the find commands search only below the roots.
        list(APPEND CMAKE_FIND_ROOT_PATH ${RCV_MINGW_PAD}/${_rcv_deel})
        list(APPEND CMAKE_PREFIX_PATH ${RCV_MINGW_PAD}/${_rcv_deel})
        string(APPEND _rcv_pc "${RCV_MINGW_PAD}/${_rcv_deel}/lib/pkgconfig:")
    endforeach()
    # pkg-config must never answer with the build machine's Linux libraries.
    set(ENV{PKG_CONFIG_LIBDIR} "${_rcv_pc}/usr/x86_64-w64-mingw32/lib/pkgconfig")
    set(ENV{PKG_CONFIG_PATH} "")
    unset(_rcv_pc)
    unset(_rcv_deel)
endif()
