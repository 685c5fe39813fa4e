# Releases the translations of the game's texts with Qt's lrelease into the translations folder
# beside the program, where the game looks for the player's language.
# lupdate serves the tests, which find every text of the sources with it.
foreach(tool lrelease lupdate)
  string(TOUPPER ${tool} variable)
  find_program(GLINTROW_${variable} ${tool} HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} REQUIRED)
endforeach()

set(GLINTROW_QM_DIR ${CMAKE_BINARY_DIR}/${GLINTROW_TRANSLATIONS_FOLDER})
# lrelease writes into the folder but does not make it, and only Ninja makes it for its outputs.
file(MAKE_DIRECTORY ${GLINTROW_QM_DIR})
set(GLINTROW_QM_FILES)
foreach(language ${GLINTROW_LANGUAGES})
  set(name ${GLINTROW_TRANSLATIONS_NAME}_${language})
  set(source ${PROJECT_SOURCE_DIR}/translations/${name}.ts)
  set(released ${GLINTROW_QM_DIR}/${name}.qm)
  add_custom_command(OUTPUT ${released}
    COMMAND ${GLINTROW_LRELEASE} -silent ${source} -qm ${released}
    DEPENDS ${source} VERBATIM)
  list(APPEND GLINTROW_QM_FILES ${released})
endforeach()
add_custom_target(glintrow_translations ALL DEPENDS ${GLINTROW_QM_FILES})
