# Installing the game like any desktop game, and packaging it as a .deb.
include(GNUInstallDirs)

if(WIN32)
  target_sources(zundabar PRIVATE packaging/zundabar.rc)
endif()
if(APPLE)
  set(icns ${PROJECT_SOURCE_DIR}/assets/icons/zundabar.icns)
  target_sources(zundabar PRIVATE ${icns})
  set_source_files_properties(${icns} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
endif()
set_target_properties(zundabar PROPERTIES
  WIN32_EXECUTABLE ON
  MACOSX_BUNDLE ON
  MACOSX_BUNDLE_BUNDLE_NAME Zundabar
  MACOSX_BUNDLE_GUI_IDENTIFIER org.example.Zundabar
  MACOSX_BUNDLE_ICON_FILE zundabar.icns
  MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION})

# Where Debian and the FHS keep games: /usr/games for the package, PREFIX/games for any other
# prefix, which is chosen only when installing. /usr/local/games is on a Debian user's PATH, and
# the desktop entry names the program by its whole path, so the menu starts it from any prefix.
set(ZUNDABAR_INSTALL_GAMESDIR games CACHE STRING
  "Folder of the program under the install prefix, beside lib (e.g. bin for ~/.local)")
install(TARGETS zundabar RUNTIME DESTINATION ${ZUNDABAR_INSTALL_GAMESDIR} BUNDLE DESTINATION .)
# Beside the program's folder, where the program looks for it: PREFIX/lib/zundabar.
install(TARGETS zundabar_audio zundabar_pads LIBRARY DESTINATION lib/zundabar)
install(FILES assets/Music.wav DESTINATION ${CMAKE_INSTALL_DATADIR}/zundabar)
if(UNIX AND NOT APPLE)
  foreach(size 32 64 128 256)
    install(FILES assets/icons/app_icon_${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME org.example.Zundabar.png)
  endforeach()
  install(FILES packaging/org.example.Zundabar.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(CODE "set(ZUNDABAR_SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")
    set(ZUNDABAR_GAMESDIR \"${ZUNDABAR_INSTALL_GAMESDIR}\")")
  install(SCRIPT packaging/install_desktop_entry.cmake)
  include(${PROJECT_SOURCE_DIR}/cmake/install_documents.cmake)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zundabar)
set(CPACK_PACKAGE_VENDOR "The Zundabar developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game of a monkey falling towards the gap in a ledge")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Zundabar developers <developers@zundabar.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zundabar.example.org/)
# CPack puts the synopsis above this text.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
A monkey descends through the sky. Steer it with the arrow keys, push it
down faster and lift it while jumps are left, and land it with its centre
over the one gap in the ledge below to win the level; the next one falls
faster. Crates give five jumps and a hundred points.

Skill progression, jump height, crates and background music are set in an
options window and kept between games. The game can be played zoomed by
whole factors or full screen, pixel for pixel, on X11 or Wayland.]])
# The About window's narrow serif is a font package; the libraries are added from the binaries
# by cmake/deb_pre_build.cmake, in the place of CPack's own scan.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-extra")
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb_pre_build.cmake)
set(CPACK_ZUNDABAR_OBJCOPY ${CMAKE_OBJCOPY})
# Qt's Wayland platform lets the game run natively on a Wayland desktop; without it Qt uses X11.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio, qt6-wayland")
include(CPack)
