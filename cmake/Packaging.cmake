# What `cmake --install` adds to the program (the desktop entry, the icon and the AppStream
# metainfo, in their standard places), the Debian package CPack builds from it, and the
# tests that check both.
include(GNUInstallDirs)

set(TREVISK_APP_ID io.github.trevisk.Trevisk)
set(TREVISK_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(FILES ${TREVISK_PACKAGING_DIR}/${TREVISK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TREVISK_PACKAGING_DIR}/${TREVISK_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TREVISK_PACKAGING_DIR}/${TREVISK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The assignment and result files, so that the file manager opens them with Trevisk.
install(FILES ${TREVISK_PACKAGING_DIR}/${TREVISK_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TREVISK_APP_ID}.xml)

# `cpack -G DEB` in the build directory writes trevisk_<version>-1_<arch>.deb there.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trevisk)
set(CPACK_PACKAGE_VENDOR "The Trevisk developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "step through classic algorithms line by line")
set(CPACK_PACKAGE_DESCRIPTION
    "Trevisk is a teaching program for introductory algorithm courses. A lesson shows a short C# routine that the student runs one line at a time, by hand or on a timer, watching the highlighted line, its note, the current condition and the routine's variables. Thirty lessons cover maximum and total, search, repetition, arrays, recursion and sorting. All text in the program is Japanese."
)
set(CPACK_PACKAGE_CONTACT "The Trevisk developers <trevisk@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# dpkg-shlibdeps finds the Qt, C++ and C libraries the program links; the platform plugins
# and the Japanese font the windows are drawn with are loaded at run time, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/\\\\.cache/")
include(CPack)

# The tests need Debian's desktop-file-utils, appstream, dpkg-dev and shared-mime-info.
add_test(NAME desktop_entry_valid
         COMMAND desktop-file-validate ${TREVISK_PACKAGING_DIR}/${TREVISK_APP_ID}.desktop)
add_test(NAME metainfo_valid
         COMMAND appstreamcli validate --no-net --strict
                 ${TREVISK_PACKAGING_DIR}/${TREVISK_APP_ID}.metainfo.xml)
add_test(NAME package_contents
         COMMAND sh ${PROJECT_SOURCE_DIR}/tests/packaging/check_package.sh
                 ${CMAKE_BINARY_DIR}/CPackConfig.cmake ${TREVISK_APP_ID})
