# Model files of the clock window; widget files are added with the window itself.
foreach(_unit hands handsprites pictureregion clocklayout stripgradient stripbackground)
    if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/${_unit}.cpp)
        list(APPEND KERANI_MODEL_SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/${_unit}.cpp ${CMAKE_CURRENT_LIST_DIR}/${_unit}.h)
    endif()
endforeach()
list(APPEND KERANI_MODEL_SOURCES ${CMAKE_CURRENT_LIST_DIR}/colournumber.h)
list(APPEND KERANI_WIDGET_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/celllabel.cpp ${CMAKE_CURRENT_LIST_DIR}/celllabel.h
    ${CMAKE_CURRENT_LIST_DIR}/clockwindow.cpp ${CMAKE_CURRENT_LIST_DIR}/clockwindow.h
    ${CMAKE_CURRENT_LIST_DIR}/facewidget.cpp ${CMAKE_CURRENT_LIST_DIR}/facewidget.h
    ${CMAKE_CURRENT_LIST_DIR}/flagbox.cpp ${CMAKE_CURRENT_LIST_DIR}/flagbox.h
    ${CMAKE_CURRENT_LIST_DIR}/stripwidget.cpp ${CMAKE_CURRENT_LIST_DIR}/stripwidget.h
    ${CMAKE_CURRENT_LIST_DIR}/textpieces.cpp ${CMAKE_CURRENT_LIST_DIR}/textpieces.h
)
