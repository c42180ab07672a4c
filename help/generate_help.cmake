# SPDX-License-Identifier: GPL-3.0-or-later
cmake_policy(VERSION 3.25)
# Compiles the help project and its collection in a work folder, then copies
# the two files the viewer needs to OUTPUT_DIR. qhelpgenerator checks the
# links between pages (-c) but not that every contents entry and keyword
# points at a listed file, so that is checked here first. Any warning fails.
file(READ ${SOURCE_DIR}/pelicast.qhp project)
string(REGEX MATCHALL "<file>[^<]+</file>" listed "${project}")
string(REGEX REPLACE "</?file>" "" listed "${listed}")
string(REGEX MATCHALL "ref=\"[^\"#]*" refs "${project}")
string(REGEX REPLACE "ref=\"" "" refs "${refs}")
list(REMOVE_DUPLICATES refs)
foreach(ref IN LISTS refs)
    if(NOT ref IN_LIST listed)
        message(FATAL_ERROR "pelicast.qhp: ${ref} is referred to but not among the files")
    endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${SOURCE_DIR}/html ${SOURCE_DIR}/pelicast.qhp ${SOURCE_DIR}/pelicast.qhcp
     DESTINATION ${WORK_DIR})

function(run_generator input output)
    execute_process(
        COMMAND ${QHELPGENERATOR} ${ARGN} ${input} -o ${output}
        WORKING_DIRECTORY ${WORK_DIR}
        RESULT_VARIABLE result
        OUTPUT_VARIABLE log
        ERROR_VARIABLE log)
    if(NOT result EQUAL 0 OR log MATCHES "Warning|Error" OR NOT EXISTS ${WORK_DIR}/${output})
        message(FATAL_ERROR "qhelpgenerator ${input} failed (${result}):\n${log}")
    endif()
endfunction()

run_generator(pelicast.qhp pelicast.qch -c -s)
run_generator(pelicast.qhcp pelicast.qhc -s)

file(MAKE_DIRECTORY ${OUTPUT_DIR})
file(COPY_FILE ${WORK_DIR}/pelicast.qch ${OUTPUT_DIR}/pelicast.qch)
file(COPY_FILE ${WORK_DIR}/pelicast.qhc ${OUTPUT_DIR}/pelicast.qhc)
