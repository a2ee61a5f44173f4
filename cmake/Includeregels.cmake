cmake_minimum_required(VERSION 3.25)
# Run as a test (cmake -P, with BRON the source folder): what the layers'
# sources may include.
set(fouten "")

# The engine, the table and the error type are plain C++.
foreach(map basis calc lambdatabel project)
    file(GLOB_RECURSE bronnen "${BRON}/${map}/*.h" "${BRON}/${map}/*.cpp")
    foreach(b IN LISTS bronnen)
        file(STRINGS "${b}" regels REGEX "^[ \t]*#[ \t]*include[ \t]*<(Q|qt)")
        if(regels)
            list(APPEND fouten "${b} includes Qt: ${regels}")
        endif()
    endforeach()
endforeach()

# The report core and the information text's reader include no header of the windows.
set(vensterkoppen "")
foreach(map app app/update preview melding)
    file(GLOB koppen RELATIVE "${BRON}/${map}" "${BRON}/${map}/*.h")
    list(APPEND vensterkoppen ${koppen})
endforeach()
file(GLOB_RECURSE bronnen "${BRON}/reports/*.h" "${BRON}/reports/*.cpp" "${BRON}/rtf/*.h"
     "${BRON}/rtf/*.cpp")
foreach(b IN LISTS bronnen)
    file(STRINGS "${b}" regels REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(r IN LISTS regels)
        string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" kop "${r}")
        get_filename_component(kop "${kop}" NAME)
        if(kop IN_LIST vensterkoppen)
            list(APPEND fouten "${b} includes the window header ${kop}")
        endif()
    endforeach()
endforeach()

if(fouten)
    list(JOIN fouten "\n" tekst)
    message(FATAL_ERROR "${tekst}")
endif()
message(STATUS "Include rules hold")
