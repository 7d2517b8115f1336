# How Kerani is installed. Included from the top-level CMakeLists.txt.
#
# `cmake --install <build> --prefix <prefix>` lays out the tree of an install for everyone
# (component "kerani"), with the debug symbols kept apart (component "debug"):
#
#   bin/kerani                                      the program, stripped
#   share/kerani/                                   the factory files: Kerani.bak, Cities.bak,
#                                                   kerani.html, flags/, clocks/, backgrounds/
#   share/applications/<id>.desktop                 the desktop entry
#   share/metainfo/<id>.metainfo.xml                the AppStream metadata
#   share/icons/hicolor/{16x16,...,scalable}/apps/  the icon, named <id>
#   lib/debug/.build-id/xx/yyyy.debug               the program's debug symbols
#
# The program finds its factory files at ../share/kerani from its own folder, so any prefix works,
# and keeps the user's files in the XDG folders (see src/settings/appfolder.h).
#
# `cmake --install <build> --component portable --prefix <folder>` lays out a portable application
# folder instead: the program beside the factory files, where it also keeps the user's files.
# scripts/install.sh installs that one.

# The program as installed: stripped, its debug symbols in a file of their own. Qt comes from the
# system, so the installed program carries no library search path.
set(KERANI_DIST_DIR "${CMAKE_BINARY_DIR}/dist")
add_custom_command(
    OUTPUT "${KERANI_DIST_DIR}/bin/kerani"
    COMMAND "${CMAKE_COMMAND}" "-DPROGRAM=$<TARGET_FILE:kerani>" "-DOUT=${KERANI_DIST_DIR}"
            "-DOBJCOPY=${CMAKE_OBJCOPY}" "-DREADELF=${CMAKE_READELF}"
            -P "${CMAKE_CURRENT_LIST_DIR}/splitdebug.cmake"
    DEPENDS kerani "${CMAKE_CURRENT_LIST_DIR}/splitdebug.cmake"
    COMMENT "Splitting the debug symbols off the program to install")
add_custom_target(kerani_dist ALL DEPENDS "${KERANI_DIST_DIR}/bin/kerani")

install(PROGRAMS "${KERANI_DIST_DIR}/bin/kerani" DESTINATION bin COMPONENT kerani)
install(DIRECTORY "${CMAKE_SOURCE_DIR}/data/" DESTINATION share/kerani COMPONENT kerani)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/${KERANI_APP_ID}.desktop"
        DESTINATION share/applications COMPONENT kerani)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/${KERANI_APP_ID}.metainfo.xml"
        DESTINATION share/metainfo COMPONENT kerani)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES "${CMAKE_CURRENT_LIST_DIR}/icons/hicolor/${size}x${size}/apps/kerani.png"
            DESTINATION share/icons/hicolor/${size}x${size}/apps
            RENAME ${KERANI_APP_ID}.png COMPONENT kerani)
endforeach()
install(FILES "${CMAKE_CURRENT_LIST_DIR}/icons/kerani.svg"
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${KERANI_APP_ID}.svg COMPONENT kerani)
install(DIRECTORY "${KERANI_DIST_DIR}/lib/debug/" DESTINATION lib/debug COMPONENT debug)

install(PROGRAMS "${KERANI_DIST_DIR}/bin/kerani" DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
install(DIRECTORY "${CMAKE_SOURCE_DIR}/data/" DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
