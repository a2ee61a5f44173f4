# Signs one Windows program in place with osslsigncode (Authenticode, SHA-256):
# cmake -DOSSLSIGNCODE=... -DCERTIFICAAT=cert.pem -DSLEUTEL=key.pem -DBESTAND=x.exe -P Onderteken.cmake
execute_process(
    COMMAND ${OSSLSIGNCODE} sign -certs ${CERTIFICAAT} -key ${SLEUTEL} -h sha256
            -n RcVeltor -in ${BESTAND} -out ${BESTAND}.getekend
    COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
file(RENAME ${BESTAND}.getekend ${BESTAND})
