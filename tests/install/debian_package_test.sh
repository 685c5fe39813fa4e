#!/usr/bin/env bash
# Packs the game with CPack and checks the Debian package's files, its declared dependencies, its
# changelog, its debug-symbol package, that packing twice gives the same bytes, and that Debian's
# checker finds no error or warning in either package.
set -euo pipefail
source "$(dirname "$0")/common.sh"

build=$(realpath "$1")
source_dir=$(realpath "$(dirname "$0")/../..")
require_built_game "$build"
scratch=$(mktemp -d)

clean_up() {
    rm -rf "$scratch"
}
trap clean_up EXIT

# Packs into the named folder: the game's package and its debug-symbol package.
build_packages() {
    local out=$scratch/$1
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$scratch/cpack.log" 2>&1 ||
        fail "cpack failed: $(cat "$scratch/cpack.log")"
    local packages=("$out"/ombra-glintrow_*.deb) symbols=("$out"/ombra-glintrow-dbgsym_*.deb)
    [[ ${#packages[@]} -eq 1 && -f "${packages[0]}" && ${#symbols[@]} -eq 1 && -f "${symbols[0]}" ]] ||
        fail "cpack did not write one ombra-glintrow_*.deb and one ombra-glintrow-dbgsym_*.deb:" \
            "$(ls "$out")"
    deb=${packages[0]}
    dbgsym=${symbols[0]}
}

# Packing again, seconds later, gives the same bytes: every file is dated by the last commit.
expect_same_bytes_when_packed_again() {
    local first=$deb first_symbols=$dbgsym
    sleep 1
    build_packages again
    cmp -s "$first" "$deb" || fail "packing twice gave two different $(basename "$deb")"
    cmp -s "$first_symbols" "$dbgsym" || fail "packing twice gave two different $(basename "$dbgsym")"
}

expect_field() {
    local field=$1 expected=$2 actual
    actual=$(dpkg-deb -f "$deb" "$field")
    [[ "$actual" == "$expected" ]] || fail "$field is '$actual', not '$expected'"
}

# Every package the game needs at run time, including the window font that no library check sees.
expect_dependencies() {
    local depends names package
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    names=$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }')
    for package in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-mixer-2.0-0 fonts-wine; do
        grep -qxF "$package" <<<"$names" || fail "Depends does not name $package: $depends"
    done
}

check_package_files() {
    dpkg-deb -x "$deb" "$scratch/root"
    check_installed_tree "$build" "$scratch/root/usr" "the package"
    [[ -z $(find "$scratch/root" -mindepth 1 -maxdepth 1 ! -name usr) ]] ||
        fail "the package puts files outside /usr"
    grep -qx "Exec=glintrow" "$scratch/root/usr/share/applications/$APP_ID.desktop" ||
        fail "the packaged menu entry does not run glintrow from the PATH"
}

# The debug-symbol package holds the program's debug information under its build id, and shares
# the game's documents through a link.
check_debug_symbols() {
    local id
    id=$(readelf --notes "$scratch/root/usr/$APP_DIR/glintrow" | sed -n 's/.*Build ID: //p')
    [[ -n "$id" ]] || fail "the packaged program carries no build id"
    dpkg-deb -x "$dbgsym" "$scratch/symbols"
    printf '%s\n' "usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" \
        usr/share/doc/ombra-glintrow-dbgsym >"$scratch/expected-symbols"
    list_files_under "$scratch/symbols" >"$scratch/packed-symbols"
    expect_same_files "$scratch/expected-symbols" "$scratch/packed-symbols" "the debug-symbol package"
    [[ $(readlink "$scratch/symbols/usr/share/doc/ombra-glintrow-dbgsym") == ombra-glintrow ]] ||
        fail "the debug-symbol package's document folder is no link to the game's"
    [[ $(dpkg-deb -f "$dbgsym" Depends) == "ombra-glintrow (= $(dpkg-deb -f "$deb" Version))" ]] ||
        fail "the debug-symbol package does not depend on exactly this game"
    [[ $(dpkg-deb -f "$dbgsym" Build-Ids) == "$id" ]] ||
        fail "the debug-symbol package's Build-Ids is not the program's build id $id"
    [[ $(dpkg-deb -f "$dbgsym" Auto-Built-Package) == debug-symbols ]] ||
        fail "the debug-symbol package does not say Auto-Built-Package: debug-symbols"
}

# gdb, told where the debug information lies, finds the program's functions and their source lines.
expect_gdb_to_find_symbols() {
    command -v gdb >/dev/null || fail "gdb not found: scripts/install-deps installs it"
    local answer
    answer=$(gdb -batch -nx -ex "set debug-file-directory $scratch/symbols/usr/lib/debug" \
        -ex "file $scratch/root/usr/$APP_DIR/glintrow" -ex "info line glintrow::MainGameLoop" 2>&1)
    [[ "$answer" == *"basMainGameLoop.cpp"* ]] ||
        fail "gdb finds no source line for MainGameLoop in the debug symbols: $answer"
}

# Nothing packed names the folder the game was built in: such files would differ between folders.
expect_no_build_folder() {
    local debug
    for debug in "$scratch"/symbols/usr/lib/debug/.build-id/*/*.debug; do
        objcopy --decompress-debug-sections "$debug" "$scratch/debug-info"
    done
    ! grep -rlF -e "$source_dir" -e "$build" "$scratch/root" "$scratch/debug-info" ||
        fail "the files above name the folder the game was built in"
}

# The newest changelog entry names the package's own version.
check_changelog() {
    local version logged
    version=$(dpkg-deb -f "$deb" Version)
    zcat "$scratch/root/usr/share/doc/ombra-glintrow/changelog.gz" >"$scratch/changelog"
    logged=$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)
    [[ "$logged" == "$version" ]] ||
        fail "the changelog's newest entry is $logged, the package $version"
}

run_lintian() {
    command -v lintian >/dev/null || fail "lintian not found: scripts/install-deps installs it"
    lintian --display-info "$deb" "$dbgsym" >"$scratch/lintian.log" 2>/dev/null || true
    cat "$scratch/lintian.log"
    ! grep -q '^[EW]: ' "$scratch/lintian.log" || fail "lintian reports errors or warnings"
}

build_packages out
expect_same_bytes_when_packed_again
expect_field Package ombra-glintrow
expect_field Section games
expect_field Recommends 'qt6-wayland, qt6-translations-l10n'
expect_dependencies
check_package_files
check_debug_symbols
expect_gdb_to_find_symbols
expect_no_build_folder
check_changelog
run_lintian
echo "$(basename "$deb") holds the game, declares what it needs and packs to the same bytes again;"
echo "$(basename "$dbgsym") gives gdb its symbols; lintian passes both"
