cmake_minimum_required(VERSION 3.25)
# Run as a test (cmake -P, with BRON the source folder): what the layers'
# sources may include. Includes name their folder ("calc/Scherm.h"), so a
# header's layer is the start of its path.
include(${CMAKE_CURRENT_LIST_DIR}/Lagen.cmake)
set(fouten "")

# The sources of one layer's own folder (a folder below is a layer or a
# program of its own, such as cli/pdf/).
function(_rcv_bronnen map uitkomst)
    file(GLOB bronnen "${BRON}/${map}/*.h" "${BRON}/${map}/*.cpp")
    set(${uitkomst} ${bronnen} PARENT_SCOPE)
endfunction()

foreach(map IN LISTS RCV_LAGEN_ZONDER_QT)
    _rcv_bronnen(${map} bronnen)
    foreach(b IN LISTS bronnen)
        file(STRINGS "${b}" regels REGEX "^[ \t]*#[ \t]*include[ \t]*<(Q|qt)")
        if(regels)
            list(APPEND fouten "${b} includes Qt: ${regels}")
        endif()
    endforeach()
endforeach()

# No layer below the windows includes a window's header.
set(vensterpatroon "")
foreach(map IN LISTS RCV_VENSTERLAGEN)
    list(APPEND vensterpatroon "^${map}/")
endforeach()
list(JOIN vensterpatroon "|" vensterpatroon)
foreach(map IN LISTS RCV_LAGEN_ZONDER_QT RCV_LAGEN_ALLEEN_QTCORE RCV_LAGEN_ZONDER_VENSTERS)
    _rcv_bronnen(${map} bronnen)
    foreach(b IN LISTS bronnen)
        file(STRINGS "${b}" regels REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(r IN LISTS regels)
            string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" kop "${r}")
            if(kop MATCHES "${vensterpatroon}")
                list(APPEND fouten "${b} includes the window header ${kop}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(fouten)
    list(JOIN fouten "\n" tekst)
    message(FATAL_ERROR "${tekst}")
endif()
message(STATUS "Include rules hold")
