# Splits a built program into the program as it is installed and its debug symbols, kept apart.
#
#   cmake -DPROGRAM=<built program> -DOUT=<folder> -DOBJCOPY=<objcopy> -DREADELF=<readelf>
#         -P splitdebug.cmake
#
# OUT/bin/<name>: the program without symbols or a library search path, with a link to its debug
# file. OUT/lib/debug/.build-id/xx/yyyy.debug: its debug symbols, named by the program's build ID,
# where debuggers look for them once installed under /usr.
foreach(variable PROGRAM OUT OBJCOPY READELF)
    if(NOT ${variable})
        message(FATAL_ERROR "splitdebug.cmake: ${variable} is not given")
    endif()
endforeach()

execute_process(COMMAND "${READELF}" -n "${PROGRAM}" OUTPUT_VARIABLE notes COMMAND_ERROR_IS_FATAL ANY)
if(NOT notes MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
    message(FATAL_ERROR "splitdebug.cmake: ${PROGRAM} has no build ID")
endif()
set(debug_file "${OUT}/lib/debug/.build-id/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}.debug")
get_filename_component(name "${PROGRAM}" NAME)
set(program "${OUT}/bin/${name}")

# The folder holds one build's files only: the install copies all of lib/debug.
file(REMOVE_RECURSE "${OUT}")
get_filename_component(debug_folder "${debug_file}" DIRECTORY)
file(MAKE_DIRECTORY "${debug_folder}" "${OUT}/bin")
execute_process(COMMAND "${OBJCOPY}" --only-keep-debug --compress-debug-sections=zlib
                        "${PROGRAM}" "${debug_file}"
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${OBJCOPY}" --strip-all --remove-section=.comment
                        "--add-gnu-debuglink=${debug_file}" "${PROGRAM}" "${program}"
                COMMAND_ERROR_IS_FATAL ANY)
file(RPATH_REMOVE FILE "${program}")
file(CHMOD "${debug_file}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
