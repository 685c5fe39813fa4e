# The fuzz targets of the file readers: built by clang in a project of their own (fuzz/), and run
# by CTest for a bounded time under the label fuzz. `make fuzz FUZZ_SECONDS=600` runs them longer.
find_program(GLINTROW_CLANGXX NAMES clang++ clang++-14)
if(NOT GLINTROW_CLANGXX)
  message(WARNING "Fuzz tests left out: no clang++ (scripts/install-deps installs it)")
  return()
endif()

include(ExternalProject)
set(GLINTROW_FUZZ_DIR ${CMAKE_BINARY_DIR}/fuzz)
set(bitmaps ${GLINTROW_BOARD_BITMAP} ${GLINTROW_GEM_SHEET} ${GLINTROW_TARGET_BITMAP})
list(JOIN bitmaps "|" bitmaps)
list(JOIN GLINTROW_WAVE_FILES "|" waves)
ExternalProject_Add(fuzzers
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/fuzz
  BINARY_DIR ${GLINTROW_FUZZ_DIR}/build
  LIST_SEPARATOR "|"
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${GLINTROW_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
    -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
    -DGLINTROW_ASSET_DIR=${CMAKE_BINARY_DIR} -DGLINTROW_BITMAPS=${bitmaps}
    -DGLINTROW_WAVES=${waves}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  EXCLUDE_FROM_ALL ON
  DEPENDS glintrow_assets)

# The fuzzers are built when the tests run, as the end-to-end tests build the game.
add_test(NAME fuzz-build COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target fuzzers)
set_tests_properties(fuzz-build PROPERTIES LABELS fuzz FIXTURES_SETUP glintrow_fuzzers
  TIMEOUT 900)
foreach(reader bitmap wave)
  add_test(NAME fuzz-${reader}
    COMMAND ${CMAKE_SOURCE_DIR}/fuzz/run-fuzzer ${GLINTROW_FUZZ_DIR}/build/${reader}_fuzz
            ${GLINTROW_FUZZ_DIR}/corpus/${reader} ${GLINTROW_FUZZ_DIR}/findings/${reader}
            ${GLINTROW_FUZZ_DIR}/build/seeds/${reader})
  set_tests_properties(fuzz-${reader} PROPERTIES LABELS fuzz FIXTURES_REQUIRED glintrow_fuzzers
    ENVIRONMENT "UBSAN_OPTIONS=print_stacktrace=1")
endforeach()
