# Runs a Qt test program under Wine with its log in a file, shows the log and
# ends with the program's status:
# cmake -DWINE_START=... -DPREFIX=... -DPROGRAMMA=x.exe -DLOG=x.log -P QtTestOnderWine.cmake
file(REMOVE ${LOG})
execute_process(COMMAND ${WINE_START} ${PREFIX} ${PROGRAMMA} -o ${LOG},txt
                RESULT_VARIABLE status)
if(EXISTS ${LOG})
    file(READ ${LOG} log)
    message("${log}")
endif()
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAMMA} ended with ${status}")
endif()
