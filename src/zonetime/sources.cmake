list(APPEND KERANI_MODEL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/checkdate.cpp ${CMAKE_CURRENT_LIST_DIR}/checkdate.h
    ${CMAKE_CURRENT_LIST_DIR}/clock.cpp ${CMAKE_CURRENT_LIST_DIR}/clock.h
    ${CMAKE_CURRENT_LIST_DIR}/columndates.h
    ${CMAKE_CURRENT_LIST_DIR}/columntick.h
    ${CMAKE_CURRENT_LIST_DIR}/datepattern.cpp ${CMAKE_CURRENT_LIST_DIR}/datepattern.h
    ${CMAKE_CURRENT_LIST_DIR}/datetexts.cpp ${CMAKE_CURRENT_LIST_DIR}/datetexts.h
    ${CMAKE_CURRENT_LIST_DIR}/flagterritory.cpp ${CMAKE_CURRENT_LIST_DIR}/flagterritory.h
    ${CMAKE_CURRENT_LIST_DIR}/hijridate.cpp ${CMAKE_CURRENT_LIST_DIR}/hijridate.h
    ${CMAKE_CURRENT_LIST_DIR}/localedigits.cpp ${CMAKE_CURRENT_LIST_DIR}/localedigits.h
    ${CMAKE_CURRENT_LIST_DIR}/digitsvalue.cpp ${CMAKE_CURRENT_LIST_DIR}/digitsvalue.h
    ${CMAKE_CURRENT_LIST_DIR}/timetext.cpp ${CMAKE_CURRENT_LIST_DIR}/timetext.h
    ${CMAKE_CURRENT_LIST_DIR}/zoneclockset.cpp ${CMAKE_CURRENT_LIST_DIR}/zoneclockset.h
    ${CMAKE_CURRENT_LIST_DIR}/zonelookup.cpp ${CMAKE_CURRENT_LIST_DIR}/zonelookup.h
    ${CMAKE_CURRENT_LIST_DIR}/zoneoffset.cpp ${CMAKE_CURRENT_LIST_DIR}/zoneoffset.h
    ${CMAKE_CURRENT_LIST_DIR}/zonetime.cpp ${CMAKE_CURRENT_LIST_DIR}/zonetime.h
)
