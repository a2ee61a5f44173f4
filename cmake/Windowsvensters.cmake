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

# The program's icon is a resource.
enable_language(RC)

# Only the static archives: the program runs without any DLL beside it.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set(OPENSSL_USE_STATIC_LIBS TRUE)
find_package(ZLIB REQUIRED GLOBAL)

# Static archives name none of what they need themselves: found here once,
# for every folder, with what they need.
find_package(OpenSSL REQUIRED GLOBAL)
find_package(LibArchive REQUIRED GLOBAL)
set_property(TARGET LibArchive::LibArchive APPEND PROPERTY INTERFACE_LINK_LIBRARIES ZLIB::ZLIB bcrypt)
set_property(TARGET OpenSSL::Crypto APPEND PROPERTY INTERFACE_LINK_LIBRARIES ws2_32 crypt32)

# The report font: the very files fontconfig gives the Linux build, so that
# the PDF is the same on both systems.
find_program(RCV_FC_MATCH fc-match REQUIRED)
foreach(snit Regular:80 Bold:200)
    string(REPLACE ":" ";" delen ${snit})
    list(GET delen 0 naam)
    list(GET delen 1 gewicht)
    execute_process(COMMAND ${RCV_FC_MATCH} -f "%{file}" "Liberation Sans:weight=${gewicht}:slant=0"
                    OUTPUT_VARIABLE bestand COMMAND_ERROR_IS_FATAL ANY)
    if(NOT bestand MATCHES "LiberationSans-${naam}\\.ttf$")
        message(FATAL_ERROR "Liberation Sans ${naam} is not installed (fc-match: ${bestand})")
    endif()
    set(RCV_LETTER_${naam} ${bestand})
endforeach()
set(RCV_LETTERLICENTIE /usr/share/doc/fonts-liberation2/copyright)
set(RCV_QT_NL /usr/share/qt6/translations/qtbase_nl.qm)

# rcv_naast_programma(<folder>): the files a Windows program of Qt's reads
# beside itself (the report font, Qt's Dutch texts), for the tests' programs.
function(rcv_naast_programma map)
    file(COPY ${RCV_LETTER_Regular} ${RCV_LETTER_Bold} ${RCV_QT_NL} DESTINATION ${map})
endfunction()

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
