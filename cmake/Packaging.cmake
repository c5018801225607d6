# What `cmake --install` adds to the program (the desktop entry, the icon and the AppStream
# metainfo, in their standard places), and the tests that check them.
include(GNUInstallDirs)

set(TREVISK_APP_ID io.github.trevisk.Trevisk)
set(TREVISK_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(FILES ${TREVISK_PACKAGING_DIR}/${TREVISK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TREVISK_PACKAGING_DIR}/${TREVISK_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TREVISK_PACKAGING_DIR}/${TREVISK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The tests need Debian's desktop-file-utils and appstream.
add_test(NAME desktop_entry_valid
         COMMAND desktop-file-validate ${TREVISK_PACKAGING_DIR}/${TREVISK_APP_ID}.desktop)
add_test(NAME metainfo_valid
         COMMAND appstreamcli validate --no-net --strict
                 ${TREVISK_PACKAGING_DIR}/${TREVISK_APP_ID}.metainfo.xml)
