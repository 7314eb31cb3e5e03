#!/usr/bin/env bash
# A second start while the program runs says "Application is already running" and ends; the
# first copy goes on untouched.
source "$(dirname "$0")/driver.sh"

start_display
start_program
FIRST=$PID

step "the first copy shows its splash window"
wait_window splash

step "a second copy shows its message box and nothing else"
start_program
SECOND=$PID
wait_window message
screenshot already-running
[ "$(window_count)" -eq 1 ] || fail "the second copy shows $(window_count) windows"

step "OK ends the second copy"
click_at 20 20      # into the box, so that it has the keyboard
keys Return
expect_clean_exit "$SECOND"

step "the first copy still runs and goes on to the querent window"
PID=$FIRST
process_ended "$FIRST" && fail "the first copy ended"
splash_to_querent

step "the querent window's \"&Exit\" shows the exit screen"
click_control 1830 3270 1215 375 "$(querent_menu_bar)"
wait_window exitscreen
wait_window_gone querent

step "the exit screen's \"E&xit\" ends the first copy"
click_control 6000 2760 1245 375
expect_clean_exit "$FIRST"
