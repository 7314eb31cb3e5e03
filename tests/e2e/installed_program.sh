#!/usr/bin/env bash
# The installed program: installed into a private prefix, started as its desktop entry says, it
# shows its splash (it found its picture folders next to itself, behind the link in bin), and
# its spread diagram from the installed pic/ folder; its X11 windows carry the window class that
# the entry names as StartupWMClass, by which the desktop ties them to the entry's name and icon.
#   installed_program.sh <program> <screenshot folder> <cmake> <build folder>
source "$(dirname "$0")/driver.sh"
source "$(dirname "$0")/../install/installing.sh"

CMAKE=${3:?cmake} BUILD=${4:?build folder}
if ! command -v xprop >/dev/null; then
    echo "SKIPPED: xprop is not installed (./test.sh installs x11-utils)"
    exit 77
fi
readonly PREFIX="$E2E_TMP/prefix"
readonly ENTRY="$PREFIX/share/applications/$APP_ID.desktop"

step "install into a private prefix"
install_build "$CMAKE" "$BUILD" "$PREFIX" "$E2E_TMP/install.log" || fail "cmake --install failed: $(tail -n 5 "$E2E_TMP/install.log")"
[ -f "$ENTRY" ] || fail "no desktop entry $APP_ID.desktop"
PROGRAM=$(exec_program "$(entry_value "$ENTRY" Exec)") || fail "the entry's Exec is no program path"
WM_CLASS_WANTED=$(entry_value "$ENTRY" StartupWMClass)
[ -n "$WM_CLASS_WANTED" ] || fail "the entry names no StartupWMClass"

start_display

# The class part of window $1's WM_CLASS (instance and class, ICCCM).
window_class() { xprop -id "$1" WM_CLASS 2>/dev/null | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p'; }

expect_class() {
    local have
    have=$(window_class "$WIN")
    [ "$have" = "$WM_CLASS_WANTED" ] || fail "the $1 window's class is \"$have\", the entry's StartupWMClass \"$WM_CLASS_WANTED\""
}

step "the entry's Exec starts the installed program"
start_program "$PROGRAM"
wait_window splash
expect_class splash

splash_to_querent installed-splash
expect_class querent
querent_to_selection
expect_class selection

step "the selection window shows the first spread's diagram from the installed pic/ folder"
screenshot installed-selection
# The diagram box lies at 3000, 1530 twips in the client area, the picture at its top left.
diagram="$E2E_TMP/diagram.png"
convert "$E2E_SCREENS/installed-selection.png" -crop "145x249+$(px 3000)+$(($(selection_menu_bar) + $(px 1530)))" +repage "$diagram"
differing=$(compare -metric AE -fuzz 8% "$diagram" "$PREFIX/lib/VezorAdarizuDudiruvo/pic/c0.jpg" null: 2>&1) || true
echo "   $differing pixels differ from pic/c0.jpg"
[[ $differing =~ ^[0-9]+$ ]] && ((differing < 360)) ||
    fail "the diagram box does not show pic/c0.jpg ($differing of 36105 pixels differ)"

step "closing the selection window and the exit screen ends the program"
close_window
wait_window exitscreen
close_window
expect_clean_exit "$PID"
