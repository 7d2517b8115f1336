list(APPEND KERANI_MODEL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clocklistmodel.cpp ${CMAKE_CURRENT_LIST_DIR}/clocklistmodel.h
)
