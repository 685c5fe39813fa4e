# Run when installing (install(SCRIPT)): writes the menu entry for the prefix being installed into
# and installs it. Under /usr the entry names the command as every user's PATH finds it; under any
# other prefix, whose games folder a desktop session's PATH seldom holds, by its full path. The
# prefix is known only now: make install and the Debian build each choose their own.
# Takes GLINTROW_MENU_TEMPLATE (the entry with @GLINTROW_COMMAND@ left to fill) and
# GLINTROW_MENU_ENTRY (the file to write and install, named as the installed entry).
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(GLINTROW_COMMAND glintrow)
else()
  set(GLINTROW_COMMAND "${CMAKE_INSTALL_PREFIX}/games/glintrow")
  # A path with characters the Exec key reserves is quoted, with ", `, $ and \ escaped inside the
  # quotes; then every \ is doubled as in any value of the file, and % is written %%.
  if(GLINTROW_COMMAND MATCHES "[^-A-Za-z0-9/._+,:@=]")
    string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" GLINTROW_COMMAND "${GLINTROW_COMMAND}")
    set(GLINTROW_COMMAND "\"${GLINTROW_COMMAND}\"")
    string(REPLACE "\\" "\\\\" GLINTROW_COMMAND "${GLINTROW_COMMAND}")
  endif()
  string(REPLACE "%" "%%" GLINTROW_COMMAND "${GLINTROW_COMMAND}")
endif()
configure_file(${GLINTROW_MENU_TEMPLATE} ${GLINTROW_MENU_ENTRY} @ONLY)
file(INSTALL ${GLINTROW_MENU_ENTRY} DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
