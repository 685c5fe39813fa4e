# Installs the game as a desktop program: the tree `make install` puts under its prefix, and the one
# debian/rules splits into the game's packages.
include(GNUInstallDirs)

set(GLINTROW_PACKAGE ombra-glintrow)
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

# Installs a relative link named name into folder, pointing at target (both under the prefix), so
# the link keeps working wherever the tree lands: a staging folder, a package, any prefix.
function(glintrow_install_link folder name target)
  file(RELATIVE_PATH relative /${folder} /${target})
  file(MAKE_DIRECTORY ${GLINTROW_STAGED}/links/${folder})
  file(CREATE_LINK ${relative} ${GLINTROW_STAGED}/links/${folder}/${name} SYMBOLIC)
  install(FILES ${GLINTROW_STAGED}/links/${folder}/${name} DESTINATION ${folder})
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

# The program is installed as built, with its debug information: `make install` strips it
# (cmake --install --strip), and the Debian build moves that information into the debug package.
install(TARGETS glintrow RUNTIME DESTINATION ${GLINTROW_INSTALL_APPDIR})
# The window icons are installed once, among the desktop's icons below; the game's own icons
# folder holds links to them. The scalable icon serves only the desktop.
get_filename_component(icons_name ${GLINTROW_ICONS_FOLDER} NAME)
install(DIRECTORY ${CMAKE_BINARY_DIR}/${GLINTROW_IMAGES_FOLDER} ${CMAKE_BINARY_DIR}/${GLINTROW_SOUNDS_FOLDER}
  DESTINATION ${GLINTROW_INSTALL_ASSETDIR} PATTERN ${icons_name} EXCLUDE)
install(FILES ${GLINTROW_QM_FILES}
  DESTINATION ${GLINTROW_INSTALL_ASSETDIR}/${GLINTROW_TRANSLATIONS_FOLDER})
foreach(folder ${GLINTROW_IMAGES_FOLDER} ${GLINTROW_SOUNDS_FOLDER} ${GLINTROW_TRANSLATIONS_FOLDER})
  glintrow_install_link(${GLINTROW_INSTALL_APPDIR} ${folder} ${GLINTROW_INSTALL_ASSETDIR}/${folder})
endforeach()
glintrow_install_link(${GLINTROW_INSTALL_GAMESDIR} glintrow ${GLINTROW_INSTALL_APPDIR}/glintrow)

foreach(size file IN ZIP_LISTS GLINTROW_ICON_SIZES GLINTROW_ICON_FILES)
  set(icon ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps/${GLINTROW_APP_ID}.png)
  install(FILES ${CMAKE_BINARY_DIR}/${GLINTROW_ICONS_FOLDER}/${file}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${GLINTROW_APP_ID}.png)
  glintrow_install_link(${GLINTROW_INSTALL_ASSETDIR}/${GLINTROW_ICONS_FOLDER} ${file} ${icon})
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/${GLINTROW_ICONS_FOLDER}/${GLINTROW_SCALABLE_ICON_FILE}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${GLINTROW_APP_ID}.svg)
# The menu entry and the software-centre entry are named by the application id, which they hold.
# The menu entry's command depends on the prefix, so it is filled in when installing.
set(GLINTROW_COMMAND @GLINTROW_COMMAND@)
configure_file(${PROJECT_SOURCE_DIR}/data/glintrow.desktop.in ${GLINTROW_STAGED}/menu-entry.in
  @ONLY)
install(CODE "set(GLINTROW_MENU_TEMPLATE [[${GLINTROW_STAGED}/menu-entry.in]])
  set(GLINTROW_MENU_ENTRY [[${GLINTROW_STAGED}/menu-entry/${GLINTROW_APP_ID}.desktop]])")
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/InstallMenuEntry.cmake)
# The version stands in the project, which debian/rules holds debian/changelog to; the changelog's
# newest entry and the manual page take it from there.
set(GLINTROW_CHANGELOG ${GLINTROW_STAGED}/changelog)
configure_file(${PROJECT_SOURCE_DIR}/data/changelog.in ${GLINTROW_CHANGELOG} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/glintrow.6.in ${GLINTROW_STAGED}/glintrow.6 @ONLY)
glintrow_read_releases(${GLINTROW_CHANGELOG} GLINTROW_RELEASES)
configure_file(${PROJECT_SOURCE_DIR}/data/glintrow.metainfo.xml.in
  ${GLINTROW_STAGED}/${GLINTROW_APP_ID}.metainfo.xml @ONLY)
install(FILES ${GLINTROW_STAGED}/${GLINTROW_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${GLINTROW_STAGED}/glintrow.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The source package's copyright file is already in Debian's machine-readable form.
install(FILES ${GLINTROW_CHANGELOG} ${PROJECT_SOURCE_DIR}/debian/copyright
  DESTINATION ${GLINTROW_INSTALL_DOCDIR})
