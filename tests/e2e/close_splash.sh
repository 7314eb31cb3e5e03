#!/usr/bin/env bash
# The splash window has no close box, yet the window manager can close it: Alt+F4 or its close
# ends the program with status 0, before and after "Continue...." shows, and the next start is
# not refused.
source "$(dirname "$0")/driver.sh"

start_display
start_program

step "Alt+F4 on the splash window before \"Continue....\" shows ends the program"
wait_window splash
alt_f4
wait_closed
expect_window_or_clean_exit
process_ended "$PID" || fail "the program shows another window"

step "a new start is not refused"
expect_new_start

step "the window manager's close of the splash window with \"Continue....\" shown ends the program"
wait_until "\"Continue....\" showing" \
    pixel_is "$(( $(px 5880) + 3 ))" "$(( $(px 4560) + $(px 375) / 2 ))" 255 192 128
close_window
wait_closed
expect_clean_exit "$PID"

step "a new start is not refused"
expect_new_start
