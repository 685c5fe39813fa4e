#!/usr/bin/env bash
# Installs the game as `make install` does, starts it from its link under a private X server,
# and removes it again as `make uninstall` does, beside a second install and a shared folder.
set -euo pipefail
source "$(dirname "$0")/common.sh"
game_install=$(dirname "$0")/../../scripts/game-install

build=$(realpath "$1")
require_built_game "$build"
scratch=$(mktemp -d)
# The prefix ends in usr/ so that appstreamcli can check the tree as a system root.
prefix=$scratch/root/usr
other_prefix=$scratch/other
game_pid=
xvfb_pid=

clean_up() {
    [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    # An uninstall also drops the build's record of the scratch prefix.
    "$game_install" uninstall "$build" "$prefix" >/dev/null 2>&1 || true
    "$game_install" uninstall "$build" "$other_prefix" >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap clean_up EXIT

# Outside /usr the menu entry names the command by its full path, which a desktop session finds
# whatever its PATH holds.
expect_command_in_menu_entry() {
    local exec
    exec=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$APP_ID.desktop")
    [[ "$exec" == "$prefix/games/glintrow" ]] ||
        fail "the menu entry runs '$exec', not $prefix/games/glintrow"
}

validate_desktop_files() {
    expect_command_in_menu_entry
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$prefix/share/applications/$APP_ID.desktop" ||
            fail "desktop-file-validate rejects the menu entry"
    else
        echo "desktop-file-validate not found: menu entry not validated"
    fi
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$APP_ID.metainfo.xml" ||
            fail "appstreamcli rejects the metainfo file"
        appstreamcli validate-tree --no-net "$scratch/root" ||
            fail "appstreamcli rejects the installed tree"
    else
        echo "appstreamcli not found: metainfo not validated"
    fi
    expect_same_keywords
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

start_x_server() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$scratch/display" 2>"$scratch/xvfb.log" &
    xvfb_pid=$!
    local tries
    for ((tries = 0; tries < 300; tries++)); do
        if [[ $(wc -l <"$scratch/display") -gt 0 ]]; then
            export DISPLAY=":$(head -n 1 "$scratch/display")"
            return
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
        sleep 0.1
    done
    fail "Xvfb gave no display number"
}

# Runs the game as a person would after installing it: by name from the PATH, in a folder that
# holds none of its files, on the X server rather than Qt's off-screen stand-in.
start_installed_game() {
    mkdir -p "$scratch/elsewhere" "$scratch/runtime"
    chmod 700 "$scratch/runtime"
    (cd "$scratch/elsewhere" &&
        exec env PATH="$prefix/games:$PATH" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
            XDG_RUNTIME_DIR="$scratch/runtime" glintrow) >"$scratch/game.log" 2>&1 &
    game_pid=$!
}

report_game() {
    echo "--- the game's output:" >&2
    cat "$scratch/game.log" >&2
    echo "--- windows on the display:" >&2
    xdotool search --onlyvisible --name . getwindowname %@ >&2 2>/dev/null || true
}

wait_for_game_window() {
    local tries window
    for ((tries = 0; tries < 600; tries++)); do
        window=$(xdotool search --onlyvisible --name "$APP_TITLE" 2>/dev/null | head -n 1) || true
        if [[ -n "$window" ]]; then
            echo "$window"
            return
        fi
        if ! kill -0 "$game_pid" 2>/dev/null; then
            report_game
            fail "the installed game ended before its window appeared"
        fi
        sleep 0.1
    done
    report_game
    fail "the installed game's window did not appear"
}

# The window icon comes from images/icons beside the real program, so an icon on the window shows
# the game found its folders through the link.
expect_window_icon() {
    local window=$1
    command -v xprop >/dev/null || return 0
    [[ $(xprop -id "$window" _NET_WM_ICON) == *"Icon ("* ]] ||
        fail "the window has no icon: the game did not find images/ beside its program"
}

# Qt may take the first key before it has handled the focus change, so the quit key is sent again
# until the game has gone; a game that shows a failure box instead never goes.
quit_game_with_ctrl_q() {
    local window=$1 attempt tries
    for ((attempt = 0; attempt < 5; attempt++)); do
        timeout 20 xdotool windowfocus --sync "$window" 2>/dev/null || true
        xdotool key ctrl+q 2>/dev/null || true
        for ((tries = 0; tries < 50; tries++)); do
            kill -0 "$game_pid" 2>/dev/null || return 0
            sleep 0.1
        done
    done
    report_game
    fail "the game did not close on Ctrl+Q"
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

install_into "$prefix"
check_installed_tree "$build" "$prefix" "the installed tree"
validate_desktop_files

start_x_server
start_installed_game
window=$(wait_for_game_window)
expect_window_icon "$window"
quit_game_with_ctrl_q "$window"
status=0
wait "$game_pid" || status=$?
game_pid=
if [[ $status -ne 0 ]]; then
    report_game
    fail "the game ended with status $status after Ctrl+Q"
fi
echo "the installed game started from $prefix/games/glintrow and quit cleanly"

install_beside_a_shared_folder
uninstall_both
echo "the uninstalls removed exactly what the installs put there"
