# Model files of the clock window; widget files are added with the window itself.
foreach(_unit hands pictureregion clocklayout stripgradient)
    if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/${_unit}.cpp)
        list(APPEND KERANI_MODEL_SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/${_unit}.cpp ${CMAKE_CURRENT_LIST_DIR}/${_unit}.h)
    endif()
endforeach()
list(APPEND KERANI_MODEL_SOURCES ${CMAKE_CURRENT_LIST_DIR}/colournumber.h)
