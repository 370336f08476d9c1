# What `cmake --install` puts into a prefix, and the Debian package `cpack -G DEB` makes of it:
# the program, its guide, the menu entry, the icon in the hicolor theme and the software-centre
# description. An installed program keeps its archives in the user's data folder.
include(GNUInstallDirs)

install(TARGETS portavel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The help window looks for it at <program>/../share/doc/portavel when it is not beside the program.
install(FILES ${CMAKE_BINARY_DIR}/Guida.pdf DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/portavel)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${PORTAVEL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${PORTAVEL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/img/avvio_logo.svg
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps RENAME ${PORTAVEL_APP_ID}.svg)
install(FILES ${CMAKE_BINARY_DIR}/${PORTAVEL_APP_ID}.png
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/256x256/apps)

set(CPACK_PACKAGE_NAME portavel)
set(CPACK_PACKAGE_VENDOR "Portavel Software")
set(CPACK_PACKAGE_CONTACT "Portavel Software <info@portavel.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Registro degli ingressi e delle uscite dei visitatori")
set(CPACK_PACKAGE_INSTALL_DIRECTORY portavel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.portavel.it)
# Libraries come from the binary itself; the platform plugin that draws the windows and the fonts
# the screens and reports are laid out with are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2")
include(CPack)
