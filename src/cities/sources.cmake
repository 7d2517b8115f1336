list(APPEND KERANI_MODEL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/cityentry.cpp ${CMAKE_CURRENT_LIST_DIR}/cityentry.h
)
list(APPEND KERANI_MODEL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/cityline.cpp ${CMAKE_CURRENT_LIST_DIR}/cityline.h
    ${CMAKE_CURRENT_LIST_DIR}/citylistfile.cpp ${CMAKE_CURRENT_LIST_DIR}/citylistfile.h
    ${CMAKE_CURRENT_LIST_DIR}/citylistrewrite.cpp ${CMAKE_CURRENT_LIST_DIR}/citylistrewrite.h
    ${CMAKE_CURRENT_LIST_DIR}/flagfolder.cpp ${CMAKE_CURRENT_LIST_DIR}/flagfolder.h
    ${CMAKE_CURRENT_LIST_DIR}/scratchreplace.cpp ${CMAKE_CURRENT_LIST_DIR}/scratchreplace.h
)
list(APPEND KERANI_MODEL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/cityeditorchecks.cpp ${CMAKE_CURRENT_LIST_DIR}/cityeditorchecks.h
    ${CMAKE_CURRENT_LIST_DIR}/cityeditorlayout.cpp ${CMAKE_CURRENT_LIST_DIR}/cityeditorlayout.h
    ${CMAKE_CURRENT_LIST_DIR}/cityeditorlist.cpp ${CMAKE_CURRENT_LIST_DIR}/cityeditorlist.h
)
list(APPEND KERANI_WIDGET_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/cityeditor.cpp ${CMAKE_CURRENT_LIST_DIR}/cityeditor.h
)
