# Helpers shared by the install tests: failures, the expected files and the checks of a tree.

# The game's facts come from the build's list, through CTest.
readonly APP_ID=${GLINTROW_APP_ID:?run by CTest, which sets GLINTROW_APP_ID}
readonly APP_TITLE=${GLINTROW_APP_TITLE:?run by CTest, which sets GLINTROW_APP_TITLE}
readonly BOARD_BITMAP=${GLINTROW_BOARD_BITMAP:?run by CTest, which sets GLINTROW_BOARD_BITMAP}
readonly ICON_SIZES=${GLINTROW_ICON_SIZES:?run by CTest, which sets GLINTROW_ICON_SIZES}
readonly SCALABLE_ICON=${GLINTROW_SCALABLE_ICON_FILE:?run by CTest, which sets GLINTROW_SCALABLE_ICON_FILE}
readonly APP_DIR=lib/games/ombra-glintrow
readonly ASSET_DIR=share/games/ombra-glintrow

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Prints every file and link under the prefix after an install, relative to it, sorted: the
# command's link, the program with links to its pictures, sounds and translations, all the pictures
# and sounds the build generated but the scalable icon, the released translations, the icons in every size and the scalable one, the
# menu entry, the software-centre entry, the manual page, and the copyright and changelog.
list_expected_files() {
    local build=$1 size
    {
        echo games/glintrow
        echo "$APP_DIR/glintrow"
        echo "$APP_DIR/images"
        echo "$APP_DIR/sounds"
        echo "$APP_DIR/translations"
        (cd "$build" && find images sounds translations -type f ! -name "$SCALABLE_ICON") |
            sed "s|^|$ASSET_DIR/|"
        for size in $ICON_SIZES; do
            echo "share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
        done
        echo "share/icons/hicolor/scalable/apps/$APP_ID.svg"
        echo "share/applications/$APP_ID.desktop"
        echo "share/metainfo/$APP_ID.metainfo.xml"
        echo share/man/man6/glintrow.6.gz
        echo share/doc/ombra-glintrow/changelog.gz
        echo share/doc/ombra-glintrow/copyright
    } | LC_ALL=C sort
}

# Prints the files and links under a folder, relative to it, sorted.
list_files_under() {
    (cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
}

# Fails with the differences when the two sorted lists in the named files disagree.
expect_same_files() {
    local expected=$1 actual=$2 what=$3
    if ! diff -u --label expected --label "$what" "$expected" "$actual" >&2; then
        fail "$what does not hold exactly the game's files (- missing, + unexpected)"
    fi
}

expect_link() {
    local prefix=$1 link=$2 expected=$3 target
    target=$(readlink "$prefix/$link") || fail "$link is not a link"
    [[ "$target" == "$expected" ]] || fail "$link points to '$target', not to '$expected'"
    [[ -e "$prefix/$link" ]] || fail "$link points to nothing"
}

# Checks a tree installed under prefix (by an install or from the package) against the build:
# exactly the game's files, an executable program, and relative links that hold in any prefix.
check_installed_tree() {
    local build=$1 prefix=$2 what=$3 scratch
    scratch=$(mktemp -d)
    list_expected_files "$build" >"$scratch/expected"
    list_files_under "$prefix" >"$scratch/installed"
    expect_same_files "$scratch/expected" "$scratch/installed" "$what"
    rm -rf "$scratch"
    [[ -f "$prefix/$APP_DIR/glintrow" && -x "$prefix/$APP_DIR/glintrow" ]] ||
        fail "the program in $what is not an executable file"
    expect_link "$prefix" games/glintrow "../$APP_DIR/glintrow"
    expect_link "$prefix" "$APP_DIR/images" "../../../$ASSET_DIR/images"
    expect_link "$prefix" "$APP_DIR/sounds" "../../../$ASSET_DIR/sounds"
}

# The tests install what the build made; without a built game they would test nothing.
require_built_game() {
    local build=$1
    [[ -x "$build/glintrow" && -f "$build/images/$BOARD_BITMAP" && -d "$build/sounds" ]] ||
        fail "no built game with its pictures and sounds in $build: build it first"
}
