#!/usr/bin/env bash
# Packs the game with CPack and checks the Debian package's files, its declared dependencies, its
# changelog and that Debian's checker finds no error or warning in it.
set -euo pipefail
source "$(dirname "$0")/common.sh"

build=$(realpath "$1")
require_built_game "$build"
scratch=$(mktemp -d)

clean_up() {
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

check_package_files() {
    dpkg-deb -x "$deb" "$scratch/root"
    check_installed_tree "$build" "$scratch/root/usr" "the package"
    [[ -z $(find "$scratch/root" -mindepth 1 -maxdepth 1 ! -name usr) ]] ||
        fail "the package puts files outside /usr"
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
    lintian --display-info "$deb" >"$scratch/lintian.log" 2>/dev/null || true
    cat "$scratch/lintian.log"
    ! grep -q '^[EW]: ' "$scratch/lintian.log" || fail "lintian reports errors or warnings"
}

build_package
expect_field Package ombra-glintrow
expect_field Section games
expect_field Recommends qt6-wayland
expect_dependencies
check_package_files
check_changelog
run_lintian
echo "$(basename "$deb") holds the game, declares what it needs and passes lintian"
