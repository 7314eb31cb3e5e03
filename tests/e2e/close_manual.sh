#!/usr/bin/env bash
# Closing the manual window through the window manager: refused while it deals (the reading
# comes up in the report window), the exit screen while the querent picks; the About box goes
# back to the manual window.
source "$(dirname "$0")/driver.sh"


start_display
start_program
splash_to_querent
querent_to_selection

step "\"Manual\" on a Two Cards spread opens the manual window"
keys Down Down      # the spread list has the focus
click_control 5430 4410 1575 375 "$(selection_menu_bar)"
wait_window manual
wait_window_gone selection

open_about manual "$(manual_menu_bar)"
close_about manual

step "the window manager's close during the deal is refused; the reading comes up"
pick_back 0
pick_back 1         # the last pick: the panel and the 3 s pause, then the deal
MMB=$(manual_menu_bar)
wait_until "the wait panel showing" pixel_is "$(( $(px 1133) + 2 ))" "$(( MMB + $(px 2693) + 2 ))" 255 0 0
close_window
wait_window report
wait_window_gone manual
expect_no_window exitscreen
process_ended "$PID" && fail "the program ended"

step "\"Start Again\" and \"&Next\" lead to the selection window again"
click_report_row_button 0
wait_window querent
querent_to_selection

step "the window manager's close of the manual window while picking shows the exit screen"
click_control 5430 4410 1575 375 "$(selection_menu_bar)"
wait_window manual
pick_back 5
close_window
wait_window exitscreen
wait_window_gone manual

close_exit_screen
