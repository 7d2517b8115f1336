# Fails unless every text of the sources is translated in every .ts file, and the .ts files are
# what lupdate makes of the sources (no text missing, none left over). Runs lupdate on copies;
# CMakeLists.txt shows how it is called.
string(REPLACE "|" ";" ts_files "${TS_FILES}")
string(REPLACE "|" ";" options "${LUPDATE_OPTIONS}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(COPY ${ts_files} DESTINATION "${WORK_DIR}")
set(copies ${ts_files})
list(TRANSFORM copies REPLACE "^.*/" "${WORK_DIR}/")

execute_process(COMMAND "${LUPDATE}" -silent ${options} "@${LUPDATE_LIST}" -ts ${copies}
                RESULT_VARIABLE status ERROR_VARIABLE warnings OUTPUT_QUIET)
# lupdate also warns about texts it cannot extract (a tr() without a context, say).
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "lupdate failed (${status}) or cannot extract every text:\n${warnings}")
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
    if(empty)
        string(APPEND problems "${name}: empty translations: ${empty}\n")
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
