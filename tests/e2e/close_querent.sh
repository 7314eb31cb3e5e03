#!/usr/bin/env bash
# Closing through the window manager: the About box goes back to the querent window, the
# querent window shows the exit screen, and the exit screen ends the program.
source "$(dirname "$0")/driver.sh"

start_display
start_program
splash_to_querent

open_about querent "$(querent_menu_bar)"
close_about querent

step "Alt+F4 on the querent window shows the exit screen"
alt_f4
wait_window exitscreen
wait_window_gone querent

close_exit_screen
