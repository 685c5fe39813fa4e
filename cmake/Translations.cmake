# Releases the translations of the game's texts with Qt's own translation rules into the
# translations folder beside the program, where the game looks for the player's language. The
# tests find every text of the sources with lupdate.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(GLINTROW_TS_FILES ${GLINTROW_LANGUAGES})
list(TRANSFORM GLINTROW_TS_FILES
  REPLACE "(.+)" "${PROJECT_SOURCE_DIR}/translations/${GLINTROW_TRANSLATIONS_NAME}_\\1.ts")
set_source_files_properties(${GLINTROW_TS_FILES}
  PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/${GLINTROW_TRANSLATIONS_FOLDER})
# update_translations finds the texts in every room of the game, not only in the program's start.
set(GLINTROW_TEXT_SOURCES)
foreach(room glintrow_platform glintrow_rules glintrow_window)
  get_target_property(sources ${room} SOURCES)
  list(FILTER sources INCLUDE REGEX "^src/")
  list(APPEND GLINTROW_TEXT_SOURCES ${sources})
endforeach()
# The cells' names are facts of the build, not texts of the sources: a file that marks them for
# translation, read by lupdate only, keeps update_translations from dropping them.
set(GLINTROW_CELL_NAMES_SOURCE ${GLINTROW_GENERATED_DIR}/CellNames.cpp)
set(marked "// The names a screen reader gives a cell, marked for lupdate; never compiled.\n")
foreach(name IN LISTS GLINTROW_GEM_KIND_NAMES GLINTROW_EMPTY_CELL_NAME)
  string(APPEND marked "QT_TRANSLATE_NOOP(\"CellName\", \"${name}\")\n")
endforeach()
file(CONFIGURE OUTPUT ${GLINTROW_CELL_NAMES_SOURCE} CONTENT "${marked}")
qt_add_translations(glintrow TS_FILES ${GLINTROW_TS_FILES}
  SOURCES ${GLINTROW_TEXT_SOURCES} ${GLINTROW_CELL_NAMES_SOURCE}
  QM_FILES_OUTPUT_VARIABLE GLINTROW_QM_FILES LRELEASE_OPTIONS -silent
  LUPDATE_OPTIONS -locations none)

# The game takes a translation only as the build released it: the size and digest of each are
# compiled into the window, which checks a file against them before the toolkit reads it. Qt does
# not check the offsets inside a translation, and a damaged one can crash the game at start.
set(GLINTROW_TRANSLATION_DIGESTS ${GLINTROW_GENERATED_DIR}/TranslationDigests.cpp)
list(JOIN GLINTROW_QM_FILES "," qm_files)
add_custom_command(OUTPUT ${GLINTROW_TRANSLATION_DIGESTS}
  COMMAND ${CMAKE_COMMAND} -DQM_FILES=${qm_files} -DNAME=${GLINTROW_TRANSLATIONS_NAME}
          -DOUTPUT=${GLINTROW_TRANSLATION_DIGESTS}
          -P ${CMAKE_CURRENT_LIST_DIR}/WriteTranslationDigests.cmake
  DEPENDS ${GLINTROW_QM_FILES} ${CMAKE_CURRENT_LIST_DIR}/WriteTranslationDigests.cmake
  COMMENT "Writing the digests of the released translations" VERBATIM)
target_sources(glintrow_window PRIVATE ${GLINTROW_TRANSLATION_DIGESTS})
