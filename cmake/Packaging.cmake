# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in the build folder makes vorlix_<version>_<arch>.deb with the same
# layout under /usr as `cmake --install`.
include(GNUInstallDirs)
set(CPACK_PACKAGE_NAME vorlix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vorlix developers")
set(CPACK_PACKAGE_CONTACT "Vorlix developers <vorlix@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulator of the torque-free rotation of a rigid body")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vorlix.github.io/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Nothing links these, yet the program needs them: the Mesa GL driver, and Qt's own
# Russian catalogue, loaded from QLibraryInfo::TranslationsPath under a ru locale.
# Qt's own Russian catalogue comes from the translations of the Qt the program is built with.
set(VORLIX_QT_TRANSLATIONS_PACKAGE_5 qttranslations5-l10n)
set(VORLIX_QT_TRANSLATIONS_PACKAGE_6 qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libgl1-mesa-dri, ${VORLIX_QT_TRANSLATIONS_PACKAGE_${VORLIX_QT}}")
# CPack puts the summary first as the synopsis; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vorlix integrates Euler's equations of a free rigid body in real
time from its three principal moments of inertia and an initial angular
velocity, and shows the turning body in an OpenGL view together with
Poinsot's inertia ellipsoid and the traces the body axes draw on the unit
sphere.
.
The body is a triangulated OBJ mesh or a textured sphere. Parameter sets
are kept as named presets; the view exports as PNG and the traces as OBJ.
The user interface is in English and Russian.")

# Debian policy wants every package's copyright and a changelog, gzipped, in its doc folder.
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND ${GZIP_EXECUTABLE} -9 -n -c changelog > changelog.gz
    DEPENDS ${CMAKE_BINARY_DIR}/changelog
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
add_custom_target(vorlix_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/vorlix)

include(CPack)
