# The Windows cross-build links the window program statically against the
# libraries that tools/mingw-bibliotheken.sh builds into RCV_MINGW_PAD (the
# preset passes the environment variable of that name). Without them only the
# engine and the calculator are built, and the configure says so loudly.
if(RCV_MINGW_PAD AND EXISTS "${RCV_MINGW_PAD}/klaar/alles")
    set(RCV_QT ON CACHE BOOL "" FORCE)
else()
    set(RCV_QT OFF CACHE BOOL "" FORCE)
    message(WARNING "The Windows libraries are missing (RCV_MINGW_PAD='${RCV_MINGW_PAD}'): "
                    "the window program is not built for Windows. "
                    "Run tools/mingw-bibliotheken.sh first.")
    return()
endif()

# Only the static archives: the program runs without any DLL beside it.
enable_language(RC)

set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set(OPENSSL_USE_STATIC_LIBS TRUE)
find_package(ZLIB REQUIRED GLOBAL)

# Static archives name none of what they need themselves: found here once,
# for every folder, with what they need.
find_package(OpenSSL REQUIRED GLOBAL)
find_package(LibArchive REQUIRED GLOBAL)
set_property(TARGET LibArchive::LibArchive APPEND PROPERTY INTERFACE_LINK_LIBRARIES ZLIB::ZLIB bcrypt)
set_property(TARGET OpenSSL::Crypto APPEND PROPERTY INTERFACE_LINK_LIBRARIES ws2_32 crypt32)

# Found here, above every folder, so that the plugins' targets and
# qt_import_plugins exist wherever a program is made.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport Network Test)

# A program of Qt's is linked with the plugins it needs at run time: the
# Windows platform, the offscreen one for tests, Windows' own style.
function(rcv_qt_plugins doel)
    qt_import_plugins(${doel} INCLUDE Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin
                      Qt6::QWindowsVistaStylePlugin Qt6::QSchannelBackendPlugin
                      EXCLUDE_BY_TYPE imageformats)
endfunction()
