# Where `cmake --install` puts the program and what a desktop needs to offer it, and the
# Debian package made of the same (scripts/package).
include(GNUInstallDirs)

install(TARGETS unitdesk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET unitsim)
  install(TARGETS unitsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(pkg ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${pkg}/unitdesk.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/unitdesk.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME org.unitdesk.unitdesk.metainfo.xml)
install(FILES ${pkg}/icons/unitdesk.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${pkg}/icons/unitdesk-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME unitdesk.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME unitdesk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "unitdesk developers <unitdesk@example.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_DESCRIPTION
    "Shows a unit's live state, downloads the units' half-hourly logs into a folder tree of\n"
    "Shift-JIS text files, shows a stored day or month, reads and writes the units' settings\n"
    "blocks and keeps the registries of group and channel names. Japanese user interface.\n"
    "Includes unitsim, a simulated unit line on a pseudo-terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_LICENSE GPL-3.0-or-later)
# The Qt libraries come from what the binaries link; the font is what the captions need, Qt's
# translations what its own dialogs speak Japanese with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
