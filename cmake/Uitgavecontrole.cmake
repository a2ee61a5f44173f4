# A release or package build must carry the maker's update key and server:
# the placeholders below ship with the sources for tests only.
set(RCV_PLAATSHOUDER_SLEUTEL "b0a70237edd115541da62ed833df4048374d9f4ce9992b9d3ddfb624558ee412")
set(RCV_VOORBEELDSERVER "https://update.example.com")

# The reason may come in several pieces.
function(_rcv_uitgavefout)
    string(JOIN "" tekst ${ARGV})
    message(FATAL_ERROR
        "A ${CMAKE_BUILD_TYPE} build ${tekst} Set RCV_UPDATE_SLEUTEL to the maker's public key "
        "(rcvteken sleutel) and RCV_UPDATE_SERVER to the maker's https server, or "
        "RCV_TESTBOUW=ON for a build that is only tested.")
endfunction()

# Stops the configuration of a build that is not Debug with a placeholder, a
# key that is not one, or a server that is not a plain https host, unless
# RCV_TESTBOUW says the build is for testing only. Values are compared as
# the program reads them: hex and host names in any case, a host with a
# trailing dot, user or port.
function(rcv_controleer_uitgave)
    string(TOUPPER "${CMAKE_BUILD_TYPE}" soort)
    if(RCV_TESTBOUW OR soort STREQUAL "DEBUG")
        return()
    endif()

    string(STRIP "${RCV_UPDATE_SLEUTEL}" sleutel)
    string(TOLOWER "${sleutel}" sleutel)
    string(LENGTH "${sleutel}" lengte)
    if(sleutel STREQUAL RCV_PLAATSHOUDER_SLEUTEL)
        _rcv_uitgavefout("with the placeholder update key cannot verify real updates.")
    endif()
    if(NOT lengte EQUAL 64 OR NOT sleutel MATCHES "^[0-9a-f]+$")
        _rcv_uitgavefout("with the update key \"${RCV_UPDATE_SLEUTEL}\", which is not 64 "
                         "hexadecimal digits.")
    endif()

    string(STRIP "${RCV_UPDATE_SERVER}" server)
    string(TOLOWER "${server}" server)
    if(NOT server MATCHES "^https://([^/?#]*)")
        _rcv_uitgavefout("with the update server \"${RCV_UPDATE_SERVER}\", which is not https.")
    endif()
    string(REGEX REPLACE "^.*@" "" host "${CMAKE_MATCH_1}")
    string(REGEX REPLACE ":[0-9]*$" "" host "${host}")
    string(REGEX REPLACE "\\.+$" "" host "${host}")
    if(NOT host MATCHES "^[a-z0-9.-]+$")
        _rcv_uitgavefout("with the update server \"${RCV_UPDATE_SERVER}\", whose host is not a "
                         "plain name (letters, digits, dots and hyphens).")
    endif()
    if(host MATCHES "(^|\\.)example(\\.(com|org|net))?$")
        _rcv_uitgavefout("with the example update server ${RCV_UPDATE_SERVER}.")
    endif()
endfunction()
