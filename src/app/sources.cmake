list(APPEND KERANI_MODEL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/appfolder.cpp ${CMAKE_CURRENT_LIST_DIR}/appfolder.h
    ${CMAKE_CURRENT_LIST_DIR}/textfile.cpp ${CMAKE_CURRENT_LIST_DIR}/textfile.h
    ${CMAKE_CURRENT_LIST_DIR}/profiledocument.cpp ${CMAKE_CURRENT_LIST_DIR}/profiledocument.h
    ${CMAKE_CURRENT_LIST_DIR}/profilefile.cpp ${CMAKE_CURRENT_LIST_DIR}/profilefile.h
    ${CMAKE_CURRENT_LIST_DIR}/settingsvalue.cpp ${CMAKE_CURRENT_LIST_DIR}/settingsvalue.h
    ${CMAKE_CURRENT_LIST_DIR}/settingsloader.cpp ${CMAKE_CURRENT_LIST_DIR}/settingsloader.h
    ${CMAKE_CURRENT_LIST_DIR}/settingswriter.cpp ${CMAKE_CURRENT_LIST_DIR}/settingswriter.h
    ${CMAKE_CURRENT_LIST_DIR}/singleinstance.cpp ${CMAKE_CURRENT_LIST_DIR}/singleinstance.h
    ${CMAKE_CURRENT_LIST_DIR}/startup.cpp ${CMAKE_CURRENT_LIST_DIR}/startup.h
)
list(APPEND KERANI_WIDGET_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/aboutbox.cpp ${CMAKE_CURRENT_LIST_DIR}/aboutbox.h
    ${CMAKE_CURRENT_LIST_DIR}/application.cpp ${CMAKE_CURRENT_LIST_DIR}/application.h
    ${CMAKE_CURRENT_LIST_DIR}/appicon.cpp ${CMAKE_CURRENT_LIST_DIR}/appicon.h
    ${CMAKE_CURRENT_LIST_DIR}/dialogs.cpp ${CMAKE_CURRENT_LIST_DIR}/dialogs.h
    ${CMAKE_CURRENT_LIST_DIR}/messagepresenter.cpp ${CMAKE_CURRENT_LIST_DIR}/messagepresenter.h
)
list(APPEND KERANI_MODEL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/displayoptions.h ${CMAKE_CURRENT_LIST_DIR}/settingsstate.h
    ${CMAKE_CURRENT_LIST_DIR}/nativepath.h
)
