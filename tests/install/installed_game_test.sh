#!/usr/bin/env bash
# Installs the game as `make install` does into two prefixes, one beside another program's files,
# checks the tree it leaves in a prefix other than /usr, and removes both again as `make uninstall`
# does. The Debian packages are played and validated by autopkgtest (debian/tests).
set -euo pipefail
game_install=$(dirname "$0")/../../scripts/game-install
source_dir=$(realpath "$(dirname "$0")/../..")

# The game's facts come from the build's list, through CTest.
readonly APP_ID=${GLINTROW_APP_ID:?run by CTest, which sets GLINTROW_APP_ID}
readonly BOARD_BITMAP=${GLINTROW_BOARD_BITMAP:?run by CTest, which sets GLINTROW_BOARD_BITMAP}
readonly ICON_SIZES=${GLINTROW_ICON_SIZES:?run by CTest, which sets GLINTROW_ICON_SIZES}
readonly ICON_FILES=${GLINTROW_ICON_FILES:?run by CTest, which sets GLINTROW_ICON_FILES}
readonly APP_DIR=lib/games/ombra-glintrow
readonly ASSET_DIR=share/games/ombra-glintrow

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

build=$(realpath "$1")
# The test installs what the build made; without a built game it would test nothing.
[[ -x "$build/glintrow" && -f "$build/images/$BOARD_BITMAP" && -d "$build/sounds" ]] ||
    fail "no built game with its pictures and sounds in $build: build it first"
scratch=$(mktemp -d)
prefix=$scratch/root/usr
other_prefix=$scratch/other

clean_up() {
    # An uninstall also drops the build's record of the scratch prefix.
    "$game_install" uninstall "$build" "$prefix" >/dev/null 2>&1 || true
    "$game_install" uninstall "$build" "$other_prefix" >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap clean_up EXIT

# Prints every file and link under the prefix after an install, relative to it, sorted: the
# command's link, the program with links to its pictures, sounds and translations, all the pictures
# and sounds the build generated, the released translations, the icons in every size and the
# scalable one, the menu entry, the software-centre entry, the manual page, and the copyright and
# changelog.
list_expected_files() {
    local size
    {
        echo games/glintrow
        echo "$APP_DIR/glintrow"
        echo "$APP_DIR/images"
        echo "$APP_DIR/sounds"
        echo "$APP_DIR/translations"
        (cd "$build" && find images sounds translations -type f ! -name '*.svg') |
            sed "s|^|$ASSET_DIR/|"
        for size in $ICON_SIZES; do
            echo "share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
        done
        echo "share/icons/hicolor/scalable/apps/$APP_ID.svg"
        echo "share/applications/$APP_ID.desktop"
        echo "share/metainfo/$APP_ID.metainfo.xml"
        echo share/man/man6/glintrow.6
        echo share/doc/ombra-glintrow/changelog
        echo share/doc/ombra-glintrow/copyright
    } | LC_ALL=C sort
}

expect_link() {
    local link=$1 expected=$2 target
    target=$(readlink "$prefix/$link") || fail "$link is not a link"
    [[ "$target" == "$expected" ]] || fail "$link points to '$target', not to '$expected'"
    [[ -e "$prefix/$link" ]] || fail "$link points to nothing"
}

# Exactly the game's files, an executable program without debug information, and relative links
# that hold in any prefix: the program's folders and the game's icons, which are the desktop's.
check_installed_tree() {
    list_expected_files >"$scratch/expected"
    (cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$scratch/installed"
    diff -u --label expected --label installed "$scratch/expected" "$scratch/installed" >&2 ||
        fail "the prefix does not hold exactly the game's files (- missing, + unexpected)"
    [[ -f "$prefix/$APP_DIR/glintrow" && -x "$prefix/$APP_DIR/glintrow" ]] ||
        fail "the installed program is not an executable file"
    [[ -z $(readelf --sections "$prefix/$APP_DIR/glintrow" | grep -F .debug_) ]] ||
        fail "the installed program keeps its debug information"
    expect_link games/glintrow "../$APP_DIR/glintrow"
    expect_link "$APP_DIR/images" "../../../$ASSET_DIR/images"
    expect_link "$APP_DIR/sounds" "../../../$ASSET_DIR/sounds"
    local sizes=($ICON_SIZES) files=($ICON_FILES) i
    for i in "${!sizes[@]}"; do
        expect_link "$ASSET_DIR/images/icons/${files[$i]}" \
            "../../../../icons/hicolor/${sizes[$i]}x${sizes[$i]}/apps/$APP_ID.png"
    done
}

# Outside /usr the menu entry names the command by its full path, which a desktop session finds
# whatever its PATH holds.
expect_command_in_menu_entry() {
    local exec
    exec=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$APP_ID.desktop")
    [[ "$exec" == "$prefix/games/glintrow" ]] ||
        fail "the menu entry runs '$exec', not $prefix/games/glintrow"
}

# A search in the menu and in the software centre finds the game by the same words.
expect_same_keywords() {
    local desktop metainfo
    desktop=$(sed -n 's/^Keywords=//p' "$prefix/share/applications/$APP_ID.desktop" |
        tr ';' '\n' | sed '/^$/d' | LC_ALL=C sort)
    metainfo=$(sed -n 's|.*<keyword>\(.*\)</keyword>.*|\1|p' \
        "$prefix/share/metainfo/$APP_ID.metainfo.xml" | LC_ALL=C sort)
    [[ -n "$desktop" && "$desktop" == "$metainfo" ]] ||
        fail "the menu entry's keywords (${desktop//$'\n'/, })" \
            "differ from the metainfo's (${metainfo//$'\n'/, })"
}

# The program names no folder it was built in, in its debug information or anywhere else, so
# that the same sources build the same bytes in any folder. The build lies inside the sources.
expect_no_build_folder() {
    ! grep -qaF "$source_dir" "$build/glintrow" ||
        fail "the built program names the folder it was built in, $source_dir"
}

install_into() {
    "$game_install" install "$build" "$1" >"$scratch/install.log" 2>&1 ||
        fail "installing into $1 failed: $(cat "$scratch/install.log")"
}

# A second prefix that already holds another program's icon in a folder the game shares, and an
# empty folder for manual pages that the system made.
install_beside_a_shared_folder() {
    mkdir -p "$other_prefix/share/icons/hicolor/48x48/apps" "$other_prefix/share/man/man6"
    echo other >"$other_prefix/share/icons/hicolor/48x48/apps/other.png"
    install_into "$other_prefix"
}

# Removing one install leaves the other whole, and leaves no file, link or folder of the game.
uninstall_both() {
    "$game_install" uninstall "$build" "$prefix" >"$scratch/uninstall.log" 2>&1 ||
        fail "uninstalling from $prefix failed: $(cat "$scratch/uninstall.log")"
    [[ ! -e "$prefix" ]] || fail "the uninstall left $(cd "$prefix" && find . | head -n 5)"
    [[ -x "$other_prefix/$APP_DIR/glintrow" ]] ||
        fail "uninstalling from one prefix removed the game from the other"
    "$game_install" uninstall "$build" "$other_prefix" >"$scratch/uninstall.log" 2>&1 ||
        fail "uninstalling from $other_prefix failed: $(cat "$scratch/uninstall.log")"
    local icons=share/icons/hicolor/48x48 left
    local kept=(share share/icons share/icons/hicolor "$icons" "$icons/apps" "$icons/apps/other.png"
        share/man share/man/man6)
    left=$(cd "$other_prefix" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort | xargs)
    [[ "$left" == "${kept[*]}" ]] ||
        fail "beside another program's files the uninstall left: $left"
}

expect_no_build_folder
install_into "$prefix"
check_installed_tree
expect_command_in_menu_entry
expect_same_keywords
echo "the install put exactly the game's files and links under $prefix"

install_beside_a_shared_folder
uninstall_both
echo "the uninstalls removed exactly what the installs put there"
