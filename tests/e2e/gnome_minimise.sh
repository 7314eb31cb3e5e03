#!/usr/bin/env bash
# Qt's own title bars under GNOME on Wayland (mutter, nested on the private X server; the program
# on Qt's Wayland plugin): the report window, shown maximised, minimised with its title bar's
# minimise button and brought back with Alt+Tab, comes back maximised, as it was. (Qt's title bar
# asks the compositor to unmaximise the window as it minimises it, and mutter brings it back at
# its normal size.)
source "$(dirname "$0")/driver.sh"

readonly LOG="$E2E_TMP/program-0.log"
readonly READING="$E2E_TMP/home/reading.trs"

# From the program's protocol log (WAYLAND_DEBUG=client):
# the title of the window that the compositor last gave the keyboard;
keyboard_window() {
    awk '
        /-> xdg_wm_base@[0-9]+\.get_xdg_surface\(/ {
            match($0, /new id xdg_surface@[0-9]+/); xs = substr($0, RSTART + 7, RLENGTH - 7)
            match($0, /wl_surface@[0-9]+\)/); surface[xs] = substr($0, RSTART, RLENGTH - 1)
        }
        /-> xdg_surface@[0-9]+\.get_toplevel\(/ {
            match($0, /xdg_surface@[0-9]+/); xs = substr($0, RSTART, RLENGTH)
            match($0, /new id xdg_toplevel@[0-9]+/); surface_of[substr($0, RSTART + 7, RLENGTH - 7)] = surface[xs]
        }
        /-> xdg_toplevel@[0-9]+\.set_title\(/ {
            match($0, /xdg_toplevel@[0-9]+/); t = substr($0, RSTART, RLENGTH)
            match($0, /"[^"]*"/); title[surface_of[t]] = substr($0, RSTART + 1, RLENGTH - 2)
        }
        / wl_keyboard@[0-9]+\.enter\(/ { match($0, /wl_surface@[0-9]+/); focus = title[substr($0, RSTART, RLENGTH)] }
        END { print focus }
    ' "$LOG"
}
# the report window's toplevel, the one window the program asks to be maximised;
report_toplevel() { grep -ao -- '-> xdg_toplevel@[0-9]*\.set_maximized()' "$LOG" | tail -n 1 | grep -o 'xdg_toplevel@[0-9]*'; }
# the size "width height" that the compositor last gave the report window;
report_size() {
    grep -a " $REPORT\.configure(" "$LOG" | tail -n 1 | sed 's/.*configure(\([0-9]*\), \([0-9]*\),.*/\1 \2/'
}
# and whether the program has asked for the report window's minimise.
sent_minimise() { grep -q -- "-> $REPORT\.set_minimized()" "$LOG"; }

# True when mutter's desktop, dark blue along the screen's edges, shows in an 8 pixel band along
# some edge of screenshot $1, as it does beside any window but a maximised one.
desktop_on_edges() {
    local count
    count=$(colour_mask "$1" 14 40 64 -fill black -draw "rectangle 8,8 $((WW - 9)),$((WH - 9))" \
        -format '%[fx:round(mean * w * h)]' info:) || return 1
    ((count > 100))
}
# Between presses the pointer rests in a corner of mutter's screen.
rest_pointer() { move_pointer $((WX + WW - 20)) $((WY + WH - 20)); }

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
wait_until "the report window filling the screen" report_fills_screen
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
