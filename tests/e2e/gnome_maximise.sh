#!/usr/bin/env bash
# Qt's own title bars under GNOME on Wayland (mutter, nested on the private X server; the program
# on Qt's Wayland plugin). Qt draws a maximise button on every window there, and mutter maximises
# a window whatever its size hints say, moving a window of fixed size into the screen's corner.
# Pressed on the querent window, whose size is fixed, the button leaves the window at its size
# and place.
source "$(dirname "$0")/driver.sh"

start_mutter_wayland
rest_pointer

step "the program starts, with Qt's Wayland messages in its log"
WAYLAND_DEBUG=client start_program

# Qt's frame around the window, from its title bar to its bottom edge, is of the window colour:
# the box of the middles of the runs of 380 pixels of that colour in screenshot $1 ("x y width
# height") gives the window's place and size. The mouse pointer, which mutter draws into its
# screen, is too small to change it.
title_band() { has_colour_run "$1" 239 239 239 380x1 && colour_runs_box "$1" 239 239 239 380x1; }
band_as_before() { shot "$SHOT" && [ "$(title_band "$SHOT")" = "$BAND" ]; }
sent_maximise() { wayland_windows | grep -q '^maximize '; }

step "\"Continue....\" opens the querent window"
wait_until "\"Continue....\" showing" splash_shows_continue
read -r cx cy cw ch <<<"$CONTINUE"
# Each press comes once the screen has settled after the pointer's move.
move_pointer $((WX + cx + cw / 2)) $((WY + cy + ch / 2))
wait_until "the screen standing still" screen_still
click_screen $((WX + cx + cw / 2)) $((WY + cy + ch / 2)) "the click on \"Continue....\""
wait_until "the querent window showing after the click on \"Continue....\"" querent_shows
rest_pointer
wait_until "the screen standing still" screen_still
cp "$E2E_TMP/still-2.png" "$E2E_TMP/before.png"
cp "$E2E_TMP/before.png" "$E2E_SCREENS/gnome-querent.png"

step "the maximise button of the querent window's title bar"
BAND=$(title_band "$E2E_TMP/before.png") || fail "no title bar found on the screen"
echo "   the frame's band: $BAND"
# The maximise button's middle is 40 pixels left of the window's right edge and 15 below its top.
read -r bx by bw bh <<<"$BAND"
move_pointer $((WX + bx + bw + 190 - 40)) $((WY + by + 14))
wait_until "the screen standing still" screen_still
click_screen $((WX + bx + bw + 190 - 40)) $((WY + by + 14)) "the click on the maximise button"
wait_until "the program asking to be maximised after the click on the maximise button" sent_maximise
rest_pointer

step "the querent window stays at its size and place"
wait_until "the frame back where it was" band_as_before
sleep 1
band_as_before || { cp "$SHOT" "$E2E_SCREENS/gnome-querent-maximised.png"; fail "the frame's band is at $(title_band "$SHOT")"; }
cp "$SHOT" "$E2E_SCREENS/gnome-querent-after-maximise.png"
process_ended "$PID" && fail "the program ended"
kill "$PID"
wait "$PID" 2>/dev/null || true
