list(APPEND KERANI_MODEL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/backgroundcontrols.cpp ${CMAKE_CURRENT_LIST_DIR}/backgroundcontrols.h
    ${CMAKE_CURRENT_LIST_DIR}/backgroundkind.cpp ${CMAKE_CURRENT_LIST_DIR}/backgroundkind.h
    ${CMAKE_CURRENT_LIST_DIR}/optionsform.cpp ${CMAKE_CURRENT_LIST_DIR}/optionsform.h
)
