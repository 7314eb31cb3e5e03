#!/usr/bin/env bash
# Closing through the window manager: the About box of the card table goes back to the report
# window, the report window shows the exit screen while the querent window is hidden, and the
# exit screen ends the program.
source "$(dirname "$0")/driver.sh"

start_display
start_program
splash_to_querent
querent_to_selection

step "\"AutoCast\" opens the report window"
SMB=$(selection_menu_bar)
click_control 7200 4410 1575 375 "$SMB"
wait_window report
wait_window_gone selection
RMB=$SMB    # the report window's menu bar has the same font as the selection window's

open_about report "$RMB"
close_about report

step "Alt+F4 on the report window shows the exit screen"
alt_f4
wait_window exitscreen
wait_window_gone report
expect_no_window querent

close_exit_screen
