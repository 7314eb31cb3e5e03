#!/usr/bin/env bash
# Closing through the window manager: the About box goes back to the selection window, the
# selection window shows the exit screen (the querent window stays hidden), and the exit
# screen ends the program.
source "$(dirname "$0")/driver.sh"

start_display
start_program
splash_to_querent
querent_to_selection

open_about selection "$(selection_menu_bar)"
close_about selection

step "the window manager's close of the selection window shows the exit screen"
close_window
wait_window exitscreen
wait_window_gone selection
expect_no_window querent

close_exit_screen
