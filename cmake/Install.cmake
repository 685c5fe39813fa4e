# Installs the game as a desktop program and packs the same tree into a Debian package with CPack,
# beside a second package with the program's debug information.
include(GNUInstallDirs)

set(GLINTROW_PACKAGE ombra-glintrow)
set(GLINTROW_CONTACT "Ombra Glintrow developers <dev@ombra-glintrow.invalid>")
# Debian keeps games apart: the command in games/, the program in a private folder under
# lib/games/, its pictures and sounds under share/games/. The program looks for images/ and
# sounds/ beside its own executable, so its folder holds links to them.
set(GLINTROW_INSTALL_GAMESDIR games)
set(GLINTROW_INSTALL_APPDIR lib/games/${GLINTROW_PACKAGE})
set(GLINTROW_INSTALL_ASSETDIR share/games/${GLINTROW_PACKAGE})
set(GLINTROW_INSTALL_DOCDIR share/doc/${GLINTROW_PACKAGE})
# Every user may run the game, whatever the umask of whoever installs it.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(GLINTROW_STAGED ${CMAKE_BINARY_DIR}/install-files)
file(MAKE_DIRECTORY ${GLINTROW_STAGED})
# What follows installs the game; only the debug information, installed with the component
# dbgsym, is left out of a plain install.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)

# Installs a relative link named name into folder, pointing at target (both under the prefix), so
# the link keeps working wherever the tree lands: a staging folder, a package, any prefix. Further
# arguments go to install(), such as the component.
function(glintrow_install_link folder name target)
  file(RELATIVE_PATH relative /${folder} /${target})
  file(MAKE_DIRECTORY ${GLINTROW_STAGED}/links/${folder})
  file(CREATE_LINK ${relative} ${GLINTROW_STAGED}/links/${folder}/${name} SYMBOLIC)
  install(FILES ${GLINTROW_STAGED}/links/${folder}/${name} DESTINATION ${folder} ${ARGN})
endfunction()

# Writes source compressed as Debian wants manuals and changelogs; -n keeps the bytes the same
# on every run, and an unchanged result keeps its time stamp.
function(glintrow_gzip source output)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  execute_process(COMMAND gzip -9 -n -c ${source} OUTPUT_FILE ${output}.new
    COMMAND_ERROR_IS_FATAL ANY)
  file(COPY_FILE ${output}.new ${output} ONLY_IF_DIFFERENT)
  file(REMOVE ${output}.new)
endfunction()

# The copyright file in Debian's machine-readable form, its licence text taken from LICENSE.
function(glintrow_write_copyright output)
  set(license_file ${PROJECT_SOURCE_DIR}/LICENSE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${license_file})
  file(READ ${license_file} license)
  if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.+)$")
    message(FATAL_ERROR "LICENSE has no 'Copyright (c) ...' line followed by the terms")
  endif()
  set(GLINTROW_COPYRIGHT ${CMAKE_MATCH_1})
  string(STRIP "${CMAKE_MATCH_2}" terms)
  # A field's continuation lines each start with a space, and an empty one is written " .".
  string(REPLACE "\n\n" "\n.\n" terms "${terms}")
  string(REPLACE "\n" "\n " terms "${terms}")
  set(GLINTROW_LICENSE_TERMS " ${terms}")
  # The template's first line says what it is for; the format has no comments.
  set(template ${PROJECT_SOURCE_DIR}/data/copyright.in)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${template})
  file(READ ${template} content)
  string(REGEX REPLACE "^#[^\n]*\n" "" content "${content}")
  file(CONFIGURE OUTPUT ${output} CONTENT "${content}" @ONLY)
endfunction()

# The installed program is stripped; its debug information goes to the dbgsym component.
set(GLINTROW_STRIPPED ${GLINTROW_STAGED}/stripped/glintrow)
set(GLINTROW_DEBUG_ROOT ${GLINTROW_STAGED}/debug)
add_custom_command(TARGET glintrow POST_BUILD
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:glintrow> -DSTRIPPED=${GLINTROW_STRIPPED}
    -DDEBUG_ROOT=${GLINTROW_DEBUG_ROOT} -DOBJCOPY=${CMAKE_OBJCOPY} -DREADELF=${CMAKE_READELF}
    -P ${PROJECT_SOURCE_DIR}/cmake/SplitDebugInfo.cmake
  VERBATIM)
install(PROGRAMS ${GLINTROW_STRIPPED} DESTINATION ${GLINTROW_INSTALL_APPDIR})
install(DIRECTORY ${GLINTROW_DEBUG_ROOT}/ DESTINATION lib/debug COMPONENT dbgsym EXCLUDE_FROM_ALL)
install(DIRECTORY ${CMAKE_BINARY_DIR}/images ${CMAKE_BINARY_DIR}/sounds
  DESTINATION ${GLINTROW_INSTALL_ASSETDIR})
foreach(folder images sounds)
  glintrow_install_link(${GLINTROW_INSTALL_APPDIR} ${folder} ${GLINTROW_INSTALL_ASSETDIR}/${folder})
endforeach()
glintrow_install_link(${GLINTROW_INSTALL_GAMESDIR} glintrow ${GLINTROW_INSTALL_APPDIR}/glintrow)

foreach(size file IN ZIP_LISTS GLINTROW_ICON_SIZES GLINTROW_ICON_FILES)
  install(FILES ${CMAKE_BINARY_DIR}/images/icons/${file}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${GLINTROW_APP_ID}.png)
endforeach()
# The menu entry and the software-centre entry are named by the application id, which they hold.
configure_file(${PROJECT_SOURCE_DIR}/data/glintrow.desktop.in
  ${GLINTROW_STAGED}/${GLINTROW_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/glintrow.metainfo.xml.in
  ${GLINTROW_STAGED}/${GLINTROW_APP_ID}.metainfo.xml @ONLY)
install(FILES ${GLINTROW_STAGED}/${GLINTROW_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GLINTROW_STAGED}/${GLINTROW_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

glintrow_gzip(${PROJECT_SOURCE_DIR}/data/glintrow.6 ${GLINTROW_STAGED}/glintrow.6.gz)
install(FILES ${GLINTROW_STAGED}/glintrow.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
glintrow_gzip(${PROJECT_SOURCE_DIR}/data/changelog ${GLINTROW_STAGED}/changelog.gz)
glintrow_write_copyright(${GLINTROW_STAGED}/copyright)
install(FILES ${GLINTROW_STAGED}/changelog.gz ${GLINTROW_STAGED}/copyright
  DESTINATION ${GLINTROW_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME ${GLINTROW_PACKAGE})
set(CPACK_PACKAGE_VENDOR "Ombra Glintrow developers")
set(CPACK_PACKAGE_CONTACT ${GLINTROW_CONTACT})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Both packages come from one source, which lets the debug package share the game's documents.
set(CPACK_DEBIAN_PACKAGE_SOURCE ${GLINTROW_PACKAGE})
# Read by CPack when it packs: every packed file is dated by SOURCE_DATE_EPOCH, which the script
# takes from the last commit when it is unset.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageTime.cmake)
set(CPACK_GLINTROW_SOURCE_DIR ${PROJECT_SOURCE_DIR})

# One package for each component: the game, and its debug information as Debian names it.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game dbgsym)
set(CPACK_DEBIAN_GAME_PACKAGE_NAME ${GLINTROW_PACKAGE})
set(CPACK_DEBIAN_DBGSYM_PACKAGE_NAME ${GLINTROW_PACKAGE}-dbgsym)

# Debian wants the long description in short lines, after the one-line summary; CPack indents
# each one.
set(CPACK_DEBIAN_GAME_DESCRIPTION [=[
gem-swapping puzzle game
An 8 by 8 board of gems of seven kinds. Swap a gem with a neighbour in its
row or column to line up three or more identical gems: the lines shrink
away, the gems above fall and new gems drop in, and lines made by the fall
clear in turn with a rising combo sound. When no move is left the gems fly
apart. No score; a hint command, and sound effects that can be switched on.]=])
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
# Qt draws on X11 by itself; on a Wayland desktop it needs its Wayland plugin.
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS qt6-wayland)
# The window font is looked up by name at run time, so no library check can find that need.
find_program(GLINTROW_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(GLINTROW_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_GAME_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS "fonts-wine")
else()
  set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS
    "libqt6widgets6, libqt6gui6, libqt6core6, libsdl2-mixer-2.0-0, fonts-wine")
endif()

set(CPACK_DEBIAN_DBGSYM_DESCRIPTION [=[
debug symbols for ombra-glintrow
The debug information of the game's program, filed by build id under
/usr/lib/debug/.build-id/, where gdb finds it.]=])
set(CPACK_DEBIAN_DBGSYM_PACKAGE_SECTION debug)
set(CPACK_DEBIAN_DBGSYM_PACKAGE_DEPENDS "${GLINTROW_PACKAGE} (= ${PROJECT_VERSION})")
# Its copyright and changelog are the game's: its document folder is a link to the game's.
glintrow_install_link(${CMAKE_INSTALL_DATADIR}/doc ${GLINTROW_PACKAGE}-dbgsym
  ${GLINTROW_INSTALL_DOCDIR} COMPONENT dbgsym EXCLUDE_FROM_ALL)
include(CPack)
