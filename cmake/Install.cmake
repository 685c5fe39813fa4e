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

# Sets variable to the software-centre entry's list of releases, newest first, made from the
# entries of Debian's changelog: the one place where releases are written down. An entry is a
# heading "package (version) ...", its changes as "  * " items whose lines go on indented, and a
# closing line " -- maintainer  Day, dd Mon yyyy hh:mm:ss zone".
function(glintrow_read_releases changelog variable)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
  file(READ ${changelog} rest)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(releases "<releases>")
  while(rest MATCHES "^[^\n]+ \\(([^)]+)\\)[^\n]*\n\n((  [^\n]*\n|\n)*) -- [^\n]*  [A-Z][a-z]+, ([0-9]+) ([A-Z][a-z]+) ([0-9]+) [^\n]*\n*(.*)$")
    set(version ${CMAKE_MATCH_1})
    set(changes ${CMAKE_MATCH_2})
    set(day ${CMAKE_MATCH_4})
    set(month ${CMAKE_MATCH_5})
    set(year ${CMAKE_MATCH_6})
    set(rest "${CMAKE_MATCH_7}")
    list(FIND months ${month} month)
    math(EXPR month "${month} + 1")
    string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
    string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
    # Each change becomes one item of a list, its lines joined.
    string(REPLACE "&" "&amp;" changes "${changes}")
    string(REPLACE "<" "&lt;" changes "${changes}")
    string(REPLACE ">" "&gt;" changes "${changes}")
    string(REGEX REPLACE "\n    +" " " changes "${changes}")
    string(REGEX REPLACE "\n\n+" "\n" changes "${changes}")
    string(REGEX REPLACE "\n$" "" changes "${changes}")
    string(REGEX REPLACE "(^|\n)  \\* " "\\1          <li>" changes "${changes}")
    string(REPLACE "\n" "</li>\n" changes "${changes}")
    string(APPEND releases "
    <release version=\"${version}\" date=\"${year}-${month}-${day}\">
      <description>
        <ul>
${changes}</li>
        </ul>
      </description>
    </release>")
  endwhile()
  if(releases STREQUAL "<releases>" OR NOT rest STREQUAL "")
    message(FATAL_ERROR "${changelog}: not every entry reads as Debian's changelog format")
  endif()
  set(${variable} "${releases}\n  </releases>" PARENT_SCOPE)
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
# The scalable icon serves only the desktop, which finds it among the other icons below.
install(DIRECTORY ${CMAKE_BINARY_DIR}/images ${CMAKE_BINARY_DIR}/sounds
  DESTINATION ${GLINTROW_INSTALL_ASSETDIR} PATTERN ${GLINTROW_SCALABLE_ICON_FILE} EXCLUDE)
install(FILES ${GLINTROW_QM_FILES}
  DESTINATION ${GLINTROW_INSTALL_ASSETDIR}/${GLINTROW_TRANSLATIONS_FOLDER})
foreach(folder images sounds ${GLINTROW_TRANSLATIONS_FOLDER})
  glintrow_install_link(${GLINTROW_INSTALL_APPDIR} ${folder} ${GLINTROW_INSTALL_ASSETDIR}/${folder})
endforeach()
glintrow_install_link(${GLINTROW_INSTALL_GAMESDIR} glintrow ${GLINTROW_INSTALL_APPDIR}/glintrow)

foreach(size file IN ZIP_LISTS GLINTROW_ICON_SIZES GLINTROW_ICON_FILES)
  install(FILES ${CMAKE_BINARY_DIR}/images/icons/${file}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${GLINTROW_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/images/icons/${GLINTROW_SCALABLE_ICON_FILE}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${GLINTROW_APP_ID}.svg)
# The menu entry and the software-centre entry are named by the application id, which they hold.
# The menu entry's command depends on the prefix, so it is filled in when installing.
set(GLINTROW_COMMAND @GLINTROW_COMMAND@)
configure_file(${PROJECT_SOURCE_DIR}/data/glintrow.desktop.in ${GLINTROW_STAGED}/menu-entry.in
  @ONLY)
install(CODE "set(GLINTROW_MENU_TEMPLATE [[${GLINTROW_STAGED}/menu-entry.in]])
  set(GLINTROW_MENU_ENTRY [[${GLINTROW_STAGED}/menu-entry/${GLINTROW_APP_ID}.desktop]])")
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/InstallMenuEntry.cmake)
# The version stands once, in the project; the changelog's newest entry and the manual page take
# it from there.
set(GLINTROW_CHANGELOG ${GLINTROW_STAGED}/changelog)
configure_file(${PROJECT_SOURCE_DIR}/data/changelog.in ${GLINTROW_CHANGELOG} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/glintrow.6.in ${GLINTROW_STAGED}/glintrow.6 @ONLY)
glintrow_read_releases(${GLINTROW_CHANGELOG} GLINTROW_RELEASES)
configure_file(${PROJECT_SOURCE_DIR}/data/glintrow.metainfo.xml.in
  ${GLINTROW_STAGED}/${GLINTROW_APP_ID}.metainfo.xml @ONLY)
install(FILES ${GLINTROW_STAGED}/${GLINTROW_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

glintrow_gzip(${GLINTROW_STAGED}/glintrow.6 ${GLINTROW_STAGED}/glintrow.6.gz)
install(FILES ${GLINTROW_STAGED}/glintrow.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
glintrow_gzip(${GLINTROW_CHANGELOG} ${GLINTROW_STAGED}/changelog.gz)
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
set(CPACK_GLINTROW_CHANGELOG ${GLINTROW_CHANGELOG})

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
# Qt draws on X11 by itself; on a Wayland desktop it needs its Wayland plugin. Its own buttons
# speak the player's language with its translations.
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
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
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebugPackageFields.cmake)
# Its copyright and changelog are the game's: its document folder is a link to the game's.
glintrow_install_link(${CMAKE_INSTALL_DATADIR}/doc ${GLINTROW_PACKAGE}-dbgsym
  ${GLINTROW_INSTALL_DOCDIR} COMPONENT dbgsym EXCLUDE_FROM_ALL)
include(CPack)
