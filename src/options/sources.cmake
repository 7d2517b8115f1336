list(APPEND KERANI_MODEL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/backgroundcontrols.cpp ${CMAKE_CURRENT_LIST_DIR}/backgroundcontrols.h
    ${CMAKE_CURRENT_LIST_DIR}/backgroundkind.cpp ${CMAKE_CURRENT_LIST_DIR}/backgroundkind.h
    ${CMAKE_CURRENT_LIST_DIR}/optionsform.cpp ${CMAKE_CURRENT_LIST_DIR}/optionsform.h
)
list(APPEND KERANI_WIDGET_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/choosers.cpp ${CMAKE_CURRENT_LIST_DIR}/choosers.h
    ${CMAKE_CURRENT_LIST_DIR}/colourswatch.cpp ${CMAKE_CURRENT_LIST_DIR}/colourswatch.h
    ${CMAKE_CURRENT_LIST_DIR}/optionsdialog.cpp ${CMAKE_CURRENT_LIST_DIR}/optionsdialog.h
)
