# Read by CPack before it packs: every file in the packages carries the time of the last commit,
# or of the newest changelog entry outside a git checkout, unless SOURCE_DATE_EPOCH names another.
# The same sources then pack to the same bytes, whenever and wherever they are built.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  return()
endif()
execute_process(COMMAND git -C ${CPACK_GLINTROW_SOURCE_DIR} log -1 --format=%ct
  OUTPUT_VARIABLE time OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
if(failed OR NOT time)
  execute_process(COMMAND dpkg-parsechangelog -l ${CPACK_GLINTROW_CHANGELOG}
    -S Timestamp OUTPUT_VARIABLE time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
set(ENV{SOURCE_DATE_EPOCH} ${time})
