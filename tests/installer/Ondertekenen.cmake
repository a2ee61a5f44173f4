# Signs a copy of the setup program with a certificate made here and now, as
# the build does when given one, and checks the signature and the signer.
if(NOT EXISTS ${SETUP})
    # CTest reads this line as skipped.
    message("SKIPPED: no setup program at ${SETUP}")
    return()
endif()
file(REMOVE_RECURSE ${MAP})
file(MAKE_DIRECTORY ${MAP})
execute_process(
    COMMAND ${OPENSSL} req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=RcVeltor test"
            -keyout ${MAP}/sleutel.pem -out ${MAP}/certificaat.pem
    COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET ERROR_QUIET)
file(COPY_FILE ${SETUP} ${MAP}/setup.exe)
execute_process(COMMAND ${CMAKE_COMMAND} -DOSSLSIGNCODE=${OSSLSIGNCODE}
                        -DCERTIFICAAT=${MAP}/certificaat.pem -DSLEUTEL=${MAP}/sleutel.pem
                        -DBESTAND=${MAP}/setup.exe -P ${ONDERTEKEN}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${OSSLSIGNCODE} verify -CAfile ${MAP}/certificaat.pem -in ${MAP}/setup.exe
                OUTPUT_VARIABLE uit ERROR_VARIABLE uit RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT uit MATCHES "Signature verification: ok" OR
   NOT uit MATCHES "CN=RcVeltor test")
    message(FATAL_ERROR "the signed setup does not verify:\n${uit}")
endif()
# An unsigned file does not pass as signed.
execute_process(COMMAND ${OSSLSIGNCODE} verify -CAfile ${MAP}/certificaat.pem -in ${SETUP}
                OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE status)
if(status EQUAL 0)
    message(FATAL_ERROR "the unsigned setup verifies as signed")
endif()
