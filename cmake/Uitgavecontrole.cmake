# A release or package build must carry the maker's update key and server:
# the placeholders below ship with the sources for tests only.
set(RCV_PLAATSHOUDER_SLEUTEL "b0a70237edd115541da62ed833df4048374d9f4ce9992b9d3ddfb624558ee412")
set(RCV_VOORBEELDSERVER "https://update.example.com")

# Stops the configuration of a build that is not Debug with a placeholder,
# unless RCV_TESTBOUW says the build is for testing only.
function(rcv_controleer_uitgave)
    if(RCV_TESTBOUW OR CMAKE_BUILD_TYPE STREQUAL "Debug")
        return()
    endif()
    if(RCV_UPDATE_SLEUTEL STREQUAL RCV_PLAATSHOUDER_SLEUTEL)
        message(FATAL_ERROR
            "A ${CMAKE_BUILD_TYPE} build with the placeholder update key cannot verify real "
            "updates. Set RCV_UPDATE_SLEUTEL to the maker's public key (rcvteken sleutel), or "
            "RCV_TESTBOUW=ON for a build that is only tested.")
    endif()
    if(RCV_UPDATE_SERVER MATCHES "^[a-z]+://([^/]*\\.)?example\\.(com|org|net)([:/]|$)")
        message(FATAL_ERROR
            "A ${CMAKE_BUILD_TYPE} build with the example update server ${RCV_UPDATE_SERVER}. "
            "Set RCV_UPDATE_SERVER to the maker's server, or RCV_TESTBOUW=ON for a build that "
            "is only tested.")
    endif()
endfunction()
