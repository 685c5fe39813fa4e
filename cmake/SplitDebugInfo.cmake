# Run after every link of the program (cmake -P): splits it into the stripped program that is
# installed and its debug information, filed by build id where gdb looks it up, as Debian does:
#   STRIPPED                               the program without symbols, its compiler notes or
#                                          debug information, linked to the file below
#   DEBUG_ROOT/.build-id/xx/yyyy.debug     the debug information, compressed
# Takes PROGRAM, STRIPPED, DEBUG_ROOT, OBJCOPY and READELF.
execute_process(COMMAND ${READELF} --notes ${PROGRAM} OUTPUT_VARIABLE notes COMMAND_ERROR_IS_FATAL ANY)
if(NOT notes MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
  message(FATAL_ERROR "${PROGRAM} carries no build id")
endif()
set(debug_file ${DEBUG_ROOT}/.build-id/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}.debug)
# Only the current build's file is left, so the install takes no stale one along.
file(REMOVE_RECURSE ${DEBUG_ROOT})
get_filename_component(debug_folder ${debug_file} DIRECTORY)
get_filename_component(stripped_folder ${STRIPPED} DIRECTORY)
file(MAKE_DIRECTORY ${debug_folder} ${stripped_folder})
execute_process(
  COMMAND ${OBJCOPY} --only-keep-debug --compress-debug-sections ${PROGRAM} ${debug_file}
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(
  COMMAND ${OBJCOPY} --strip-all --remove-section=.comment --remove-section=.note
    --add-gnu-debuglink=${debug_file} ${PROGRAM} ${STRIPPED}
  COMMAND_ERROR_IS_FATAL ANY)
