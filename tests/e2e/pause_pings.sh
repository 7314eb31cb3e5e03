#!/usr/bin/env bash
# The window manager's pings are answered during the 3 s pauses, as KWin (on X11, and on
# Wayland through its xdg_wm_base.ping) and GNOME ask before they offer to kill a window that
# stays silent: "AutoCast" with reversed cards cleared, and the manual deal after the last pick.
# A ping goes to the window as openbox, KWin and mutter send it, and the next one when it is
# answered; many are answered one after another while the pause lasts, before the report window
# of the reading is created.
#   pause_pings.sh <program> <screenshot folder> <wm_ping>
source "$(dirname "$0")/driver.sh"
WM_PING=${3:?wm_ping path}

# More answers than the program's work after a pause can give before the report window.
readonly PINGS=20

# Pings the current window PINGS times, one after another, from the moment its wait panel at
# x, y ($1, $2) shows; every ping is answered before the report window comes.
expect_pings_answered_in_pause() {
    wait_until "the wait panel showing" pixel_is "$1" "$2" 255 0 0
    local answer
    answer=$(timeout 60 "$WM_PING" "$WIN" "$PINGS") || fail "the pings went unanswered in the pause: $answer"
    echo "   $answer"
    wait_window report
}


start_display
start_program
splash_to_querent
querent_to_selection
SMB=$(selection_menu_bar)

step "\"AutoCast\" with reversed cards cleared answers the pings during its pause"
click_control 6000 3990 225 195 "$SMB"      # "Allow Reverse Cards"
click_control 7200 4410 1575 375 "$SMB"
# The selection window's panel lies at 1860, 1860 twips in its client area.
expect_pings_answered_in_pause $(( $(px 1860) + 2 )) $(( SMB + $(px 1860) + 2 ))

step "\"Start Again\" and \"&Next\" lead to a fresh selection window"
click_report_row_button 0
wait_window querent
querent_to_selection

step "the manual deal answers the pings during its pause after the last pick"
keys Down Down      # Two Cards; the spread list has the focus
click_control 5430 4410 1575 375 "$(selection_menu_bar)"
wait_window manual
pick_back 0
pick_back 1         # the last pick
MMB=$(manual_menu_bar)
# The manual window's panel lies at 1133, 2693 twips in its client area.
expect_pings_answered_in_pause $(( $(px 1133) + 2 )) $(( MMB + $(px 2693) + 2 ))
if process_ended "$PID"; then fail "the program ended"; fi
