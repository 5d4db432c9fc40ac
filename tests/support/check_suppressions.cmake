# Fails unless every entry of the LeakSanitizer suppressions file stands on a line of its own, as "leak:<library>":
# a file reflowed into one line makes every sanitizer run end with "failed to parse suppressions".
file(STRINGS "${SUPPRESSIONS}" lines)
set(entries 0)
foreach(line IN LISTS lines)
    if(line MATCHES "^#" OR line STREQUAL "")
        continue()
    endif()
    if(NOT line MATCHES "^leak:[^ \t:]+$")
        message(FATAL_ERROR "not one suppression: '${line}'")
    endif()
    math(EXPR entries "${entries} + 1")
endforeach()
if(entries EQUAL 0)
    message(FATAL_ERROR "no suppressions in ${SUPPRESSIONS}")
endif()

# With PROGRAM, a program that leaks one block, LeakSanitizer itself must read the file. It reads it only once it
# finds a leak: the program's leak must show with the file as it is, and a copy with one more entry, for the
# program, must hide it.
if(PROGRAM)
    get_filename_component(name "${PROGRAM}" NAME)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=${SUPPRESSIONS}
                            ${PROGRAM} RESULT_VARIABLE shown OUTPUT_QUIET ERROR_QUIET)
    if(shown EQUAL 0)
        message(FATAL_ERROR "LeakSanitizer saw no leak in ${name}, so it never read the suppressions")
    endif()
    file(READ "${SUPPRESSIONS}" text)
    file(WRITE "${WORK}/lsan_check.supp" "${text}\nleak:${name}\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                            LSAN_OPTIONS=suppressions=${WORK}/lsan_check.supp ${PROGRAM}
                    RESULT_VARIABLE hidden OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT hidden EQUAL 0)
        message(FATAL_ERROR "LeakSanitizer did not take the suppressions:\n${output}")
    endif()
endif()
