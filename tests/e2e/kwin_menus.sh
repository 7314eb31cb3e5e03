#!/usr/bin/env bash
# Left and Right in an open menu under KDE's compositor (kwin_wayland, the program on Qt's Wayland
# plugin): they open the menu beside, which stays open and takes the next keys. (KWin hands the
# keyboard to the new menu only with the next key; the program must not take the moment between
# for losing the keyboard.) What the keys do is seen in what the entries do: "&Online Help"
# hands the help page to the browser, "&Manual" opens the manual window. Esc in an open menu
# leaves the keyboard with the menu bar, whose selected title shows marked until a second Esc.
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

# The box "x y width height" in which screenshots $1 and $2 differ (colours 4 % apart alike);
# nothing when they are the same.
differ_box() {
    { compare -fuzz 4% "$1" "$2" -compose src -highlight-color white -lowlight-color black png:- 2>/dev/null || true; } |
        convert - -format '%@' info: 2>/dev/null | awk -F'[x+]' 'NF == 4 && $1 > 0 { print $3, $4, $1, $2 }'
}

# The screen into $E2E_TMP/$1.png.
shot_as() { shot "$E2E_TMP/$1.png" || fail "no screenshot of the screen"; }
# Of screenshot $E2E_TMP/$1.png, the rows $2 to $2 + 9 into $E2E_TMP/$1-bar.png.
bar_rows() { convert "$E2E_TMP/$1.png" -crop "x10+0+$2" +repage "$E2E_TMP/$1-bar.png"; }

help_pages() { grep -cxF "$HELP_PAGE" "$E2E_TMP/browser.log" 2>/dev/null || true; }
help_pages_are() { [ "$(help_pages)" -eq "$1" ]; }

start_kwin_wayland
xset r off      # a key held down does not repeat

to_selection

step "selection window: Alt+H, Esc: the Help title stays marked as while its menu was open; Tab marks the next title, a second Esc none"
shot_as plain
keys_in_turn alt+h
shot_as help-open
# The open menu and its title, marked: the topmost change on the screen is the title's top.
read -r TX TY _ _ <<<"$(differ_box "$E2E_TMP/plain.png" "$E2E_TMP/help-open.png")"
[ -n "${TY:-}" ] || fail "Alt+H changed nothing on the screen"
bar_rows plain "$TY"
bar_rows help-open "$TY"
keys_in_turn Escape
shot_as esc
bar_rows esc "$TY"
cp "$E2E_TMP/esc.png" "$E2E_SCREENS/kwin-selection-help-title-after-esc.png"
same_screen "$E2E_TMP/esc-bar.png" "$E2E_TMP/help-open-bar.png" 10 ||
    fail "after Esc the menu bar does not show the Help title marked as while its menu was open"
keys_in_turn Tab
shot_as tab
bar_rows tab "$TY"
read -r MX _ _ _ <<<"$(differ_box "$E2E_TMP/plain-bar.png" "$E2E_TMP/tab-bar.png")"
[ -n "${MX:-}" ] && ((MX > TX + 10)) || fail "Tab did not mark a title right of Help (a change at ${MX:-nowhere})"
keys_in_turn Escape
shot_as unmarked
bar_rows unmarked "$TY"
same_screen "$E2E_TMP/unmarked-bar.png" "$E2E_TMP/plain-bar.png" 10 || fail "a second Esc left a title marked"

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
