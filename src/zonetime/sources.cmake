list(APPEND KERANI_MODEL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clock.cpp ${CMAKE_CURRENT_LIST_DIR}/clock.h
    ${CMAKE_CURRENT_LIST_DIR}/hijridate.cpp ${CMAKE_CURRENT_LIST_DIR}/hijridate.h
    ${CMAKE_CURRENT_LIST_DIR}/numericvalue.cpp ${CMAKE_CURRENT_LIST_DIR}/numericvalue.h
    ${CMAKE_CURRENT_LIST_DIR}/zoneoffset.cpp ${CMAKE_CURRENT_LIST_DIR}/zoneoffset.h
    ${CMAKE_CURRENT_LIST_DIR}/zonetime.cpp ${CMAKE_CURRENT_LIST_DIR}/zonetime.h
)
