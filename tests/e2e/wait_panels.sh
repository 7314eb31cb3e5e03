#!/usr/bin/env bash
# The "Please Wait ..." panels are on the screen during the 3 s pauses: the selection window's
# for "AutoCast" with reversed cards cleared, started by the button and from the File menu (the
# closed menu gone from the window), and the manual window's after the last pick. The panel is
# red around its white labels.
source "$(dirname "$0")/driver.sh"

# Waits for the panel's red at x, y ($2, $3) of the client area of the window of kind $1, from
# the moment its pause starts; keeps the screen as $4. The panel is there in the pause: the
# window still shows, no report window yet, and the panel stays for the looks that follow.
expect_panel_in_pause() {
    wait_until "the panel showing" pixel_is "$2" "$3" 255 0 0
    grab -window root "$E2E_SCREENS/$4.png" || fail "no screenshot $4"
    echo "   screenshot $E2E_SCREENS/$4.png"
    find_window "$1" || fail "the pause was over when the panel showed"
    expect_no_window report
    local look
    for look in 1 2 3; do
        pixel_is "$2" "$3" 255 0 0 || fail "the panel went away at once: $(pixel "$2" "$3") at $2, $3"
    done
}

# The selection window's panel lies at 1860, 1860 twips in its client area.
expect_selection_panel() {
    expect_panel_in_pause selection $(( $(px 1860) + 2 )) $(( SMB + $(px 1860) + 2 )) "$1"
}

# "Start Again" in the report window, then "&Next": a fresh selection window.
report_to_selection() {
    step "\"Start Again\" and \"&Next\" lead to a fresh selection window"
    wait_window report
    click_report_row_button 0
    wait_window querent
    querent_to_selection
    SMB=$(selection_menu_bar)
}

# The window of process $PID other than the current one (an open menu); sets POPUP to
# "x y width height" within the current window.
find_popup() {
    local id x y w h
    for id in $(xdotool search --all --onlyvisible --pid "$PID" --name '' 2>/dev/null); do
        [ "$id" != "$WIN" ] || continue
        read -r x y w h <<<"$(client_geometry "$id")" || continue
        POPUP="$((x - WX)) $((y - WY)) $w $h"
        return 0
    done
    return 1
}

# The current window's area x y w h as an image file.
grab_area() { grab -window "$WIN" -crop "$3x$4+$1+$2" +repage "$5" || fail "no picture of the window"; }

# True when the current window's area x y w h looks the same in two pictures a moment apart; the
# later one is left in file $5. (Where a menu has just closed, the window draws the area anew
# at its own pace.)
area_still() {
    grab -window "$WIN" -crop "$3x$4+$1+$2" +repage "$5.first.png" && sleep 0.3 &&
        grab -window "$WIN" -crop "$3x$4+$1+$2" +repage "$5" || return 1
    [ "$(compare -metric AE -fuzz 10% "$5.first.png" "$5" null: 2>&1)" = 0 ]
}

start_display
start_program
splash_to_querent
querent_to_selection
SMB=$(selection_menu_bar)

step "\"AutoCast\" with reversed cards cleared shows the panel during the pause"
click_control 6000 3990 225 195 "$SMB"      # "Allow Reverse Cards"
click_control 7200 4410 1575 375 "$SMB"
expect_selection_panel wait-panel-autocast-button

report_to_selection
step "\"Auto&Cast\" from the File menu shows the panel, and no menu, during the pause"
click_control 6000 3990 225 195 "$SMB"
keys alt+f
wait_until "the File menu opening" find_popup
read -r mx my mw mh <<<"$POPUP"
keys Escape
wait_until "the File menu closing" eval '! find_popup'
wait_until "the window drawn again where the menu was" area_still "$mx" "$my" "$mw" "$mh" "$E2E_TMP/under-menu-before.png"
keys alt+f
wait_until "the File menu opening" find_popup
keys Down Down Return                       # "&Choose Scenario", "&Manual", "Auto&Cast"
expect_selection_panel wait-panel-autocast-menu
grab_area "$mx" "$my" "$mw" "$mh" "$E2E_TMP/under-menu-during.png"
# The panel itself (5295 x 975 twips at 1860, 1860) may reach into the menu's area: it is left out.
panel="$(( $(px 1860) - mx )),$(( SMB + $(px 1860) - my )) $(( $(px 1860) + $(px 5295) - 1 - mx )),$(( SMB + $(px 1860) + $(px 975) - 1 - my ))"
for picture in before during; do
    convert "$E2E_TMP/under-menu-$picture.png" -fill black -draw "rectangle $panel" "$E2E_TMP/under-menu-$picture.png" ||
        fail "no picture of the window where the menu was"
done
changed=$(compare -metric AE -fuzz 10% "$E2E_TMP/under-menu-before.png" "$E2E_TMP/under-menu-during.png" null: 2>&1) ||
    true
[ "$changed" = 0 ] || fail "$changed pixels where the menu was are not the window's own"

report_to_selection
step "the manual window shows its panel during the pause after the last pick"
keys Down           # One Card; the spread list has the focus
click_control 5430 4410 1575 375 "$SMB"
wait_window manual
MMB=$(manual_menu_bar)
click_control $((2520 + 90)) $((540 + 180)) 350 600 "$MMB"
# The manual window's panel lies at 1133, 2693 twips in its client area.
expect_panel_in_pause manual $(( $(px 1133) + 2 )) $(( MMB + $(px 2693) + 2 )) wait-panel-manual
wait_window report
