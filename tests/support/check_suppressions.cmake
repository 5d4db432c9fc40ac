# Fails unless every entry of the LeakSanitizer suppressions file stands on a line of its own, as "leak:<library>":
# a file reflowed into one line makes every sanitizer run end with "failed to parse suppressions".
file(STRINGS "${SUPPRESSIONS}" entries REGEX "^[^#]")
if(NOT entries)
    message(FATAL_ERROR "no suppressions in ${SUPPRESSIONS}")
endif()
foreach(line IN LISTS entries)
    if(NOT line MATCHES "^leak:[^ \t:]+$")
        message(FATAL_ERROR "not one suppression: '${line}'")
    endif()
endforeach()

# With PROGRAM, a program that leaks one block, LeakSanitizer itself must read the file. It reads it only once it
# finds a leak: the program's leak must show with the file as it is, and a copy with one more entry, for the
# program, must hide it.
if(PROGRAM)
    get_filename_component(name "${PROGRAM}" NAME)
    file(READ "${SUPPRESSIONS}" text)
    file(WRITE "${WORK}/lsan_check.supp" "${text}\nleak:${name}\n")
    foreach(file IN ITEMS "${SUPPRESSIONS}" "${WORK}/lsan_check.supp")
        execute_process(COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=${file}
                                ${PROGRAM} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
        list(APPEND results ${result})
    endforeach()
    if(NOT results MATCHES "^[1-9][0-9]*;0$")
        message(FATAL_ERROR "LeakSanitizer ended ${name} with ${results}, not with a leak and then none:\n${output}")
    endif()
endif()
