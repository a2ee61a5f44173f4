# Runs the window program with --zelftest (PROGRAMMA) in a home of its own
# (WERK) as an update does before its swap: it must end at once with status 0
# and leave a pending installation's journal as it was.
file(REMOVE_RECURSE ${WERK})
set(updates ${WERK}/cache/RcVeltor/updates)
file(MAKE_DIRECTORY ${updates})
set(journaal ${updates}/installatie.journaal)
set(inhoud "stap\t${WERK}/niets\t0\nwissel\nproef\nklaar\n")
file(WRITE ${journaal} "${inhoud}")
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{HOME} ${WERK})
set(ENV{XDG_CACHE_HOME} ${WERK}/cache)
set(ENV{XDG_CONFIG_HOME} ${WERK}/config)
set(ENV{XDG_STATE_HOME} ${WERK}/state)
execute_process(
    COMMAND ${PROGRAMMA} --zelftest
    WORKING_DIRECTORY ${WERK}
    RESULT_VARIABLE uitkomst
    TIMEOUT 20)
if(NOT uitkomst STREQUAL "0")
    message(FATAL_ERROR "RcVeltor --zelftest ended with: ${uitkomst}")
endif()
file(READ ${journaal} na)
if(NOT na STREQUAL inhoud)
    message(FATAL_ERROR "RcVeltor --zelftest changed the journal:\n${na}")
endif()
