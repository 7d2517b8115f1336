list(APPEND KERANI_MODEL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clocklistmodel.cpp ${CMAKE_CURRENT_LIST_DIR}/clocklistmodel.h
)
list(APPEND KERANI_WIDGET_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clocklisteditor.cpp ${CMAKE_CURRENT_LIST_DIR}/clocklisteditor.h
)
