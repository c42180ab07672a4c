# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DOPENSSL=<openssl> -DDIR=<folder> -P make_tls.cmake
# Writes ca.pem, server.pem and server.key into DIR: a throwaway CA and a
# server certificate for 127.0.0.1 and localhost signed by it.
file(MAKE_DIRECTORY ${DIR})
file(WRITE ${DIR}/server.ext
    "basicConstraints = critical, CA:FALSE\n"
    "keyUsage = critical, digitalSignature, keyEncipherment\n"
    "extendedKeyUsage = serverAuth\n"
    "subjectAltName = IP:127.0.0.1, IP:::1, DNS:localhost\n")

function(openssl)
    execute_process(COMMAND ${OPENSSL} ${ARGN}
        WORKING_DIRECTORY ${DIR} OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "openssl ${ARGN} failed: ${err}")
    endif()
endfunction()

string(RANDOM LENGTH 15 ALPHABET 0123456789abcdef serial)
set(ec -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)
openssl(req -x509 ${ec} -keyout ca.key -out ca.pem -days 3650
    -subj "/CN=Pelicast local gateway CA"
    -addext "basicConstraints=critical,CA:TRUE"
    -addext "keyUsage=critical,keyCertSign,cRLSign")
openssl(req ${ec} -keyout server.key -out server.csr -subj "/CN=127.0.0.1")
openssl(x509 -req -in server.csr -CA ca.pem -CAkey ca.key -set_serial 0x1${serial}
    -days 825 -extfile server.ext -out server.pem)
file(REMOVE ${DIR}/server.csr ${DIR}/server.ext)
