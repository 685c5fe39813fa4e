# Installs the game as a desktop program and packs the same tree into a Debian package with CPack.
include(GNUInstallDirs)

set(GLINTROW_APP_ID io.github.ombraglintrow.glintrow)
# The program looks for images/ and sounds/ beside its own executable, so the three share one
# private folder. A fixed lib/ rather than CMAKE_INSTALL_LIBDIR, which turns multiarch for /usr.
set(GLINTROW_INSTALL_APPDIR lib/ombra-glintrow)
# Every user may run the game, whatever the umask of whoever installs it.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS glintrow RUNTIME DESTINATION ${GLINTROW_INSTALL_APPDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/images ${CMAKE_BINARY_DIR}/sounds
  DESTINATION ${GLINTROW_INSTALL_APPDIR})

# A relative link keeps working wherever the tree lands: a staging folder, a package, a prefix.
file(RELATIVE_PATH GLINTROW_LINK_TARGET
  /${CMAKE_INSTALL_BINDIR} /${GLINTROW_INSTALL_APPDIR}/glintrow)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-link)
file(CREATE_LINK ${GLINTROW_LINK_TARGET} ${CMAKE_BINARY_DIR}/install-link/glintrow SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install-link/glintrow DESTINATION ${CMAKE_INSTALL_BINDIR})

foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_BINARY_DIR}/images/icons/glintrow-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ombra-glintrow.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/${GLINTROW_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${GLINTROW_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME ombra-glintrow)
set(CPACK_PACKAGE_VENDOR "Ombra Glintrow developers")
set(CPACK_PACKAGE_CONTACT "Ombra Glintrow developers <dev@ombra-glintrow.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gem-swapping puzzle game")
# Debian wants the long description in short lines; CPack indents each one.
set(CPACK_PACKAGE_DESCRIPTION [=[
An 8 by 8 board of gems of seven kinds. Swap a gem with a neighbour in its
row or column to line up three or more identical gems: the lines shrink
away, the gems above fall and new gems drop in, and lines made by the fall
clear in turn with a rising combo sound. When no move is left the gems fly
apart. No score; a hint command, and sound effects that can be switched on.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The window font is looked up by name at run time, so no library check can find that need.
find_program(GLINTROW_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(GLINTROW_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6, libqt6gui6, libqt6core6, libsdl2-mixer-2.0-0, fonts-wine")
endif()
include(CPack)
