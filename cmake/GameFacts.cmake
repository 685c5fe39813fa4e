# The facts the game, its asset generator, its tests, its benchmarks and its install share, written
# once here. The build writes them into one C++ header (generated/GameFacts.h) and one Python module
# (generated/game_facts.py); nothing else spells them out.

set(GLINTROW_APP_ID io.github.ombraglintrow.glintrow)
# The application's title, which captions the sound failure box and names the menu entry, and the
# main window's caption, which carries a trailing space.
set(GLINTROW_APP_TITLE "Ombra Glintrow")
set(GLINTROW_WINDOW_TITLE "Ombra Glintrow ")

# The board's cells across and down, and the side of a cell in pixels.
set(GLINTROW_BOARD_SIZE 8)
set(GLINTROW_CELL_SIZE 52)
# Gem kinds down the gem sheet, spin frames across it, and the cursor's frames across its bitmap.
set(GLINTROW_GEM_KINDS 7)
set(GLINTROW_SPIN_FRAMES 15)
set(GLINTROW_TARGET_FRAMES 6)
# What each gem kind looks like, by colour and shape, in the order of the kinds down the gem sheet:
# the names by which the board tells assistive technology which gem a cell holds.
set(GLINTROW_GEM_KIND_NAMES
  "Red square" "Green hexagon" "Blue diamond" "Yellow rectangle" "White circle" "Purple triangle"
  "Orange oval")
# The name of a cell that shows no gem.
set(GLINTROW_EMPTY_CELL_NAME "No gem")
list(LENGTH GLINTROW_GEM_KIND_NAMES named_kinds)
if(NOT named_kinds EQUAL GLINTROW_GEM_KINDS)
  message(FATAL_ERROR "${named_kinds} gem kind names for ${GLINTROW_GEM_KINDS} gem kinds")
endif()

# The folders beside the program that hold its pictures, its window icons and its sounds.
set(GLINTROW_IMAGES_FOLDER images)
set(GLINTROW_ICONS_FOLDER images/icons)
set(GLINTROW_SOUNDS_FOLDER sounds)

# The bitmaps in images/.
set(GLINTROW_BOARD_BITMAP Board.bmp)
set(GLINTROW_GEM_SHEET GemSheet.bmp)
set(GLINTROW_TARGET_BITMAP Target.bmp)
# The same pictures at these many times their size, for screens of that many device pixels a
# pixel, named by the pattern beside the picture at 1: Board@2x.bmp and so on.
set(GLINTROW_PICTURE_SCALES 2 3)
set(GLINTROW_SCALED_PICTURE_NAME "{stem}@{scale}x{extension}")

# The name of a picture's file at a scale above 1, into out: Board.bmp at 2 is Board@2x.bmp.
function(glintrow_scaled_picture out file scale)
  get_filename_component(stem ${file} NAME_WLE)
  get_filename_component(extension ${file} LAST_EXT)
  string(REPLACE "{stem}" "${stem}" name "${GLINTROW_SCALED_PICTURE_NAME}")
  string(REPLACE "{scale}" "${scale}" name "${name}")
  string(REPLACE "{extension}" "${extension}" name "${name}")
  set(${out} ${name} PARENT_SCOPE)
endfunction()

# The wave files in sounds/, one for each sound effect in the order of the effects.
set(GLINTROW_WAVE_FILES
  select.wav badswap.wav gotset.wav gotsetbig.wav
  combo2.wav combo3.wav combo4.wav combo5.wav combo6.wav combo7.wav
  excellent.wav gemdrop.wav explode.wav gameover.wav)

# The window and menu icons in images/icons/, one file for each size.
set(GLINTROW_ICON_SIZES 16 24 32 48 64 128 256)
set(GLINTROW_ICON_FILES ${GLINTROW_ICON_SIZES})
list(TRANSFORM GLINTROW_ICON_FILES PREPEND glintrow-)
list(TRANSFORM GLINTROW_ICON_FILES APPEND .png)
# The icon as a scalable picture, beside them; only the desktop uses it.
set(GLINTROW_SCALABLE_ICON_FILE glintrow.svg)

# The languages the game speaks besides its own English: translations/glintrow_<language>.ts,
# released as glintrow_<language>.qm files into the translations folder beside the program.
set(GLINTROW_LANGUAGES de es fr it ja nl pl pt_BR ru zh_CN)
set(GLINTROW_TRANSLATIONS_NAME glintrow)
set(GLINTROW_TRANSLATIONS_FOLDER translations)

# Writes the list named by name as the items of a C++ braced list and of a Python tuple, into
# <name>_CXX and <name>_PY; quote is set when the items are strings.
function(glintrow_write_items name quote)
  set(items ${${name}})
  if(quote)
    list(TRANSFORM items PREPEND "\"")
    list(TRANSFORM items APPEND "\"")
  endif()
  list(JOIN items ", " joined)
  set(${name}_CXX "${joined}" PARENT_SCOPE)
  set(${name}_PY "${joined}," PARENT_SCOPE)
endfunction()

glintrow_write_items(GLINTROW_GEM_KIND_NAMES TRUE)
glintrow_write_items(GLINTROW_WAVE_FILES TRUE)
glintrow_write_items(GLINTROW_ICON_SIZES FALSE)
glintrow_write_items(GLINTROW_PICTURE_SCALES FALSE)
glintrow_write_items(GLINTROW_ICON_FILES TRUE)
glintrow_write_items(GLINTROW_LANGUAGES TRUE)

set(GLINTROW_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/GameFacts.h.in ${GLINTROW_GENERATED_DIR}/GameFacts.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/game_facts.py.in ${GLINTROW_GENERATED_DIR}/game_facts.py
  @ONLY)
