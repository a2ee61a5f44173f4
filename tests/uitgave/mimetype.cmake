# The desktop registers .rcv files for the program: shared-mime-info takes
# the type and finds it by name and by content, and the desktop entry names
# the type and passes the file. Arguments: XML, DESKTOP, WERK.
file(REMOVE_RECURSE ${WERK})
file(MAKE_DIRECTORY ${WERK}/mime/packages)
configure_file(${XML} ${WERK}/mime/packages/rcveltor.xml COPYONLY)
execute_process(COMMAND update-mime-database -V ${WERK}/mime
                RESULT_VARIABLE uitkomst OUTPUT_VARIABLE uit ERROR_VARIABLE fout)
if(NOT uitkomst EQUAL 0 OR fout MATCHES "[Ww]arning|[Ee]rror")
    message(FATAL_ERROR "update-mime-database refused the type: ${fout}")
endif()
file(READ ${WERK}/mime/globs2 globs)
if(NOT globs MATCHES "application/x-rcveltor:\\*\\.rcv")
    message(FATAL_ERROR "no glob *.rcv for application/x-rcveltor:\n${globs}")
endif()
file(READ ${WERK}/mime/magic magie HEX)
string(HEX "\"rcveltor-berekening\"" zoek)
if(NOT magie MATCHES "${zoek}")
    message(FATAL_ERROR "the content rule is missing")
endif()
file(READ ${DESKTOP} bureau)
if(NOT bureau MATCHES "\nMimeType=application/x-rcveltor;" OR NOT bureau MATCHES "\nExec=[^\n]* %f\n")
    message(FATAL_ERROR "the desktop entry does not open .rcv files:\n${bureau}")
endif()
