# Compiles the help project in a copy of its folder: chmcmd writes the
# compiled file into its working folder and reads the [MAP] include from
# there. The result goes to OUTPUT; any warning fails.
get_filename_component(source_dir ${PROJECT_FILE} DIRECTORY)
get_filename_component(project_name ${PROJECT_FILE} NAME)
get_filename_component(compiled_name ${OUTPUT} NAME)
set(stage ${WORK_DIR}/stage)
file(REMOVE_RECURSE ${stage})
file(COPY ${source_dir}/ DESTINATION ${stage}
    PATTERN "CMakeLists.txt" EXCLUDE
    PATTERN "*.cmake" EXCLUDE)
execute_process(
    COMMAND ${CHMCMD} --verbosity 1 ${project_name}
    WORKING_DIRECTORY ${stage}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "Warning|Error|error" OR NOT EXISTS ${stage}/${compiled_name})
    message(FATAL_ERROR "chmcmd failed (${result}):\n${output}")
endif()
file(COPY_FILE ${stage}/${compiled_name} ${OUTPUT})
