# The Debian packages, built by CPack from the install rules of packaging/install.cmake:
#
#   cd build && cpack -G DEB
#
# kerani_<version>_<arch>.deb          the program, its factory files, desktop entry, icon, metadata
# kerani-dbgsym_<version>_<arch>.deb   the program's debug symbols
#
# The program's library dependencies come from dpkg-shlibdeps; Qt's platform plugins (X11,
# Wayland) are plugins the program loads, so they are named here. The program's own translations
# are compiled into it; Qt's translations of its standard buttons and dialogs are recommended.
set(KERANI_PACKAGE_MAINTAINER "Kerani developers <kerani@invalid>"
    CACHE STRING "The Maintainer field of the Debian packages")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kerani)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${KERANI_PACKAGE_MAINTAINER}")
# Each package's description below starts with its own summary line; CPack would put the project's
# description before both.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES OFF) # the install rules strip the program and keep its symbols
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL kerani debug)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_DEBIAN_KERANI_PACKAGE_NAME kerani)
set(CPACK_DEBIAN_KERANI_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_KERANI_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_KERANI_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_KERANI_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_KERANI_PACKAGE_SUGGESTS qt6-wayland)
set(CPACK_COMPONENT_KERANI_DESCRIPTION
    "desktop world clock\n\
Kerani keeps one small borderless window on the desktop with a column for\n\
each city of the user's list: an analog clock face, the city's name and\n\
flag, its time, its date and its date in the Hijri calendar. Clocks follow\n\
each city's summer time. It lives in the notification area and can stay on\n\
top of other windows.")

set(CPACK_DEBIAN_DEBUG_PACKAGE_NAME kerani-dbgsym)
set(CPACK_DEBIAN_DEBUG_PACKAGE_SECTION debug)
set(CPACK_DEBIAN_DEBUG_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_DEBUG_PACKAGE_DEPENDS
    "kerani (= ${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})")
set(CPACK_COMPONENT_DEBUG_DESCRIPTION "debug symbols for kerani")

include(CPack)
