#!/usr/bin/env bash
# A named pipe where the settings file should be: the program does not wait on it. It starts
# as usual, its splash leads to the querent window, it leaves the pipe as it was and ends
# cleanly, and the next start is not refused.
source "$(dirname "$0")/driver.sh"

# The update reminder's store under the configuration folder the program is given.
readonly STORE="$E2E_TMP/home/.config/VezorAdarizuDudiruvo/VezorAdarizuDudiruvo.ini"
mkdir -p "$(dirname "$STORE")"
mkfifo "$STORE"

start_display
start_program
splash_to_querent settings-pipe

step "the querent window's \"&Exit\" shows the exit screen"
click_control 1830 3270 1215 375 "$(querent_menu_bar)"
close_exit_screen

step "the settings file is still the pipe"
[ -p "$STORE" ] || fail "the pipe in the settings file's place was replaced"
