#!/usr/bin/env bash
# Left and Right in an open menu under KDE's compositor (kwin_wayland, the program on Qt's Wayland
# plugin): they open the menu beside, which stays open and takes the next keys. (KWin hands the
# keyboard to the new menu only with the next key; the program must not take the moment between
# for losing the keyboard.) What the keys do is seen in what the entries do: "&Online Help"
# hands the help page to the browser, "&Manual" opens the manual window.
source "$(dirname "$0")/driver.sh"

readonly HELP_PAGE="https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=help-web-page"

# Keeps what the screen shows as $1 among the screenshots. (The compositor's desktop is black.)
keep_screen() { shot "$E2E_SCREENS/$1.png" && echo "   screenshot $E2E_SCREENS/$1.png"; }

# Presses the keys one by one, each when the screen has stood still after the one before.
keys_in_turn() {
    local key
    for key in "$@"; do
        keys "$key"
        wait_until "the screen standing still after $key" screen_still
    done
}

help_pages() { grep -cxF "$HELP_PAGE" "$E2E_TMP/browser.log" 2>/dev/null || true; }
help_pages_are() { [ "$(help_pages)" -eq "$1" ]; }

start_kwin_wayland
xset r off      # a key held down does not repeat

to_selection

step "selection window: Alt+F, Right into the scenarios, Right: the Help menu; Enter gives the help page"
keys_in_turn alt+f Right Right
keep_screen kwin-selection-help-menu
keys Return
wait_until "the browser being given the help page" help_pages_are 1

step "selection window: Alt+F, Right, Right, Left: the File menu again; M (\"&Manual\") opens the manual window"
wait_until "the screen standing still" screen_still
keys_in_turn alt+f Right Right Left
keys m
wait_until "the manual window showing" manual_shows
wait_until "the screen standing still" screen_still

step "manual window: Alt+F, Right: the Help menu; Enter gives the help page"
keys_in_turn alt+f Right
keep_screen kwin-manual-help-menu
keys Return
wait_until "the browser being given the help page again" help_pages_are 2

step "manual window: Alt+F, Right, Left, Right: the Help menu; Enter gives the help page"
wait_until "the screen standing still" screen_still
keys_in_turn alt+f Right Left Right
keys Return
wait_until "the browser being given the help page a third time" help_pages_are 3
