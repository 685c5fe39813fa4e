#!/usr/bin/env bash
# Packs the game with CPack and checks the Debian package's files and declared dependencies.
set -euo pipefail
source "$(dirname "$0")/common.sh"

build=$(realpath "$1")
require_built_game "$build"
scratch=$(mktemp -d)

clean_up() {
    restore_install_manifest "$build" "$scratch/install_manifest.txt"
    rm -rf "$scratch"
}
trap clean_up EXIT

build_package() {
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
        fail "cpack failed: $(cat "$scratch/cpack.log")"
    local packages=("$scratch"/out/ombra-glintrow_*.deb)
    [[ ${#packages[@]} -eq 1 && -f "${packages[0]}" ]] ||
        fail "cpack did not write one ombra-glintrow_*.deb: $(ls "$scratch/out")"
    deb=${packages[0]}
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

# dpkg-deb -c lists permissions, owner, size, date, time, then the name (and "-> target" for a link).
check_package_files() {
    dpkg-deb -c "$deb" >"$scratch/contents"
    list_expected_files "$build" >"$scratch/expected"
    awk '$1 !~ /^d/ { print $6 }' "$scratch/contents" | sed 's|^\./usr/||' | LC_ALL=C sort \
        >"$scratch/packed"
    expect_same_files "$scratch/expected" "$scratch/packed" "the package"
    grep -q '^-rwxr-xr-x .* \./usr/lib/ombra-glintrow/glintrow$' "$scratch/contents" ||
        fail "the package's program is not an executable file"
    grep -q '^l.* \./usr/bin/glintrow -> \.\./lib/ombra-glintrow/glintrow$' "$scratch/contents" ||
        fail "the package's /usr/bin/glintrow is not a link to ../lib/ombra-glintrow/glintrow"
}

save_install_manifest "$build" "$scratch/install_manifest.txt"
build_package
expect_field Package ombra-glintrow
expect_field Section games
expect_dependencies
check_package_files
echo "$(basename "$deb") holds the game and declares what it needs"
