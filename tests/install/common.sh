# Helpers shared by the install tests: failures, the install manifest, the expected files.

readonly APP_ID=io.github.ombraglintrow.glintrow
readonly ICON_SIZES=(16 32 48 64 128 256)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Installing or packing rewrites the build's install_manifest.txt, which a person who ran
# `make install` needs to remove that install again; put theirs back afterwards.
save_install_manifest() {
    local build=$1 keep=$2
    if [[ -f "$build/install_manifest.txt" ]]; then
        cp -p "$build/install_manifest.txt" "$keep"
    fi
}

restore_install_manifest() {
    local build=$1 keep=$2
    if [[ -f "$keep" ]]; then
        cp -p "$keep" "$build/install_manifest.txt"
    else
        rm -f "$build/install_manifest.txt"
    fi
}

# Prints every file and link under the prefix after an install, relative to it, sorted: the
# program with all the pictures and sounds the build generated, the link, the menu entry, the
# software-centre entry and the icons.
list_expected_files() {
    local build=$1 size
    {
        echo bin/glintrow
        echo lib/ombra-glintrow/glintrow
        (cd "$build" && find images sounds -type f) | sed 's|^|lib/ombra-glintrow/|'
        for size in "${ICON_SIZES[@]}"; do
            echo "share/icons/hicolor/${size}x${size}/apps/ombra-glintrow.png"
        done
        echo "share/applications/$APP_ID.desktop"
        echo "share/metainfo/$APP_ID.metainfo.xml"
    } | LC_ALL=C sort
}

# Fails with the differences when the two sorted lists in the named files disagree.
expect_same_files() {
    local expected=$1 actual=$2 what=$3
    if ! diff -u --label expected --label "$what" "$expected" "$actual" >&2; then
        fail "$what does not hold exactly the game's files (- missing, + unexpected)"
    fi
}

# The tests install what the build made; without a built game they would test nothing.
require_built_game() {
    local build=$1
    [[ -x "$build/glintrow" && -f "$build/images/Board.bmp" && -d "$build/sounds" ]] ||
        fail "no built game with its pictures and sounds in $build: build it first"
}
