# Fails unless every text of the sources is translated in every .ts file, and the .ts files are
# what lupdate makes of the sources (no text missing, none left over). Runs lupdate on copies.
#
#   cmake -DLUPDATE=... -DLUPDATE_LIST=... "-DLUPDATE_OPTIONS=a|b" "-DTS_FILES=a.ts|b.ts"
#         -DWORK_DIR=... -P check_translations.cmake
string(REPLACE "|" ";" ts_files "${TS_FILES}")
string(REPLACE "|" ";" options "${LUPDATE_OPTIONS}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(copies)
foreach(ts IN LISTS ts_files)
    get_filename_component(name "${ts}" NAME)
    file(COPY_FILE "${ts}" "${WORK_DIR}/${name}")
    list(APPEND copies "${WORK_DIR}/${name}")
endforeach()

execute_process(COMMAND "${LUPDATE}" -silent ${options} "@${LUPDATE_LIST}" -ts ${copies}
                RESULT_VARIABLE status ERROR_VARIABLE warnings OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status}):\n${warnings}")
endif()
# lupdate warns about texts it cannot extract (a tr() without a context, say): those would show
# untranslated.
if(NOT warnings STREQUAL "")
    message(FATAL_ERROR "lupdate cannot extract every text:\n${warnings}")
endif()

set(problems "")
foreach(ts IN LISTS ts_files)
    get_filename_component(name "${ts}" NAME)
    file(READ "${WORK_DIR}/${name}" updated)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*(<comment>[^<]*</comment>[ \n]*)?<translation type=\"(unfinished|vanished|obsolete)\""
           unfinished "${updated}")
    foreach(entry IN LISTS unfinished)
        string(REGEX REPLACE "<source>([^<]*)</source>.*" "\\1" text "${entry}")
        string(APPEND problems "${name}: not translated: ${text}\n")
    endforeach()
    string(REGEX MATCHALL "<(translation|numerusform)( [^>]*)?>[ \n]*</(translation|numerusform)>|<(translation|numerusform)/>"
           empty "${updated}")
    list(LENGTH empty empty_count)
    if(empty_count GREATER 0)
        string(APPEND problems "${name}: ${empty_count} empty translations\n")
    endif()
    file(READ "${ts}" committed)
    if(NOT committed STREQUAL updated)
        string(APPEND problems
               "${name} is not up to date with the sources: run cmake --build <build> --target kerani_lupdate\n")
    endif()
endforeach()
if(NOT problems STREQUAL "")
    message(FATAL_ERROR "${problems}")
endif()
