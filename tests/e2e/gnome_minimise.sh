#!/usr/bin/env bash
# Qt's own title bars under GNOME on Wayland (mutter, nested on the private X server; the program
# on Qt's Wayland plugin): the report window, shown maximised, minimised with its title bar's
# minimise button and brought back with Alt+Tab, comes back maximised, as it was. (Qt's title bar
# asks the compositor to unmaximise the window as it minimises it, and mutter brings it back at
# its normal size.)
source "$(dirname "$0")/driver.sh"

readonly READING="$E2E_TMP/home/reading.trs"

# From the program's protocol log (WAYLAND_DEBUG=client):
# the title of the window that the compositor last gave the keyboard;
keyboard_window() {
    wayland_windows | awk '
        $1 == "new" { surface[$2] = $3 }
        $1 == "title" { title[surface[$2]] = substr($0, length($1) + length($2) + 3) }
        $1 == "keyboard" { focus = title[$2] }
        END { print focus }
    '
}
# the report window's toplevel, the one window the program asks to be maximised;
report_toplevel() { wayland_windows | awk '$1 == "maximize" { t = $2 } END { if (t == "") exit 1; print t }'; }
# the size "width height" that the compositor last gave the report window;
report_size() { wayland_windows | awk -v t="$REPORT" '$1 == "configure" && $2 == t { size = $3 " " $4 } END { if (size != "") print size }'; }
# and whether the program has asked for the report window's minimise.
sent_minimise() { wayland_windows | grep -qx "minimize $REPORT"; }

# True when mutter's desktop, dark blue along the screen's edges, shows in an 8 pixel band along
# some edge of screenshot $1, as it does beside any window but a maximised one.
desktop_on_edges() {
    local count
    count=$(colour_mask "$1" 14 40 64 -fill black -draw "rectangle 8,8 $((WW - 9)),$((WH - 9))" \
        -format '%[fx:round(mean * w * h)]' info:) || return 1
    ((count > 100))
}

start_mutter_wayland
write_reading "$READING"
WAYLAND_DEBUG=client start_program

compositor_to_querent

step "\"&Open Previous Record\" opens the saved reading in the report window, maximised"
keys alt+o
dialog_has_keyboard() { [ "$(keyboard_window)" = "$OPEN_CAPTION" ]; }
wait_until "the keyboard in the open dialog" dialog_has_keyboard
type_text "$READING"
keys Return
has_report() { report_toplevel >/dev/null; }
wait_until "the report window asking to be maximised" has_report
REPORT=$(report_toplevel)
report_fills_screen() { [ "$(report_size)" = "$WW $WH" ]; }
wait_until "the report window ($REPORT) filling the screen" report_fills_screen
wait_until "the screen standing still" screen_still
cp "$E2E_TMP/still-2.png" "$E2E_SCREENS/gnome-report-maximised.png"
desktop_on_edges "$E2E_TMP/still-2.png" && fail "the desktop shows beside the maximised report window"

step "the minimise button of the report window's title bar"
# The button's middle is 64 pixels left of the window's right edge and 15 below its top.
click_screen $((WX + WW - 64)) $((WY + 15)) "the click on the minimise button"
wait_until "the program asking to be minimised after the click on the minimise button" sent_minimise
rest_pointer
report_gone() { shot "$SHOT" && desktop_on_edges "$SHOT"; }
wait_until "the report window going off the screen" report_gone
wait_until "the screen standing still" screen_still
cp "$E2E_TMP/still-2.png" "$E2E_SCREENS/gnome-report-minimised.png"

step "Alt+Tab brings the report window back maximised"
keys alt+Tab
as_before() { report_fills_screen && shot "$SHOT" && ! desktop_on_edges "$SHOT"; }
back_at() {
    shot "$E2E_SCREENS/gnome-report-back.png"
    fail "the report window is back at $(report_size | tr ' ' x), not maximised at ${WW}x${WH} as it was"
}
deadline=$((SECONDS + E2E_WAIT))
until as_before; do
    ((SECONDS < deadline)) || back_at
    sleep 0.1
done
wait_until "the screen standing still" screen_still
as_before || back_at
shot "$E2E_SCREENS/gnome-report-back.png"
process_ended "$PID" && fail "the program ended"
kill "$PID"
wait "$PID" 2>/dev/null || true
