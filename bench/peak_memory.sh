#!/usr/bin/env bash
# Peak resident memory of the program with a Romany reading on the card table, beside the
# minimal Qt program's with its window shown. Drives the program as the end-to-end tests do.
#   peak_memory.sh <program> <minimal program> <folder for screenshots of a failed step>
# Prints the steps, then "RESULT program_kb=<VmHWM> minimal_kb=<VmHWM>".
MINIMAL=$2
source "$(dirname "$0")/../tests/e2e/driver.sh" "$1" "$3"

peak_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }

start_display
start_program
splash_to_querent
step "choose the Romany spread and cast it"
keys alt+n
wait_window selection
SMB=$(selection_menu_bar)
click_at $(( $(px 5280) + $(px 3495) / 2 )) $((SMB + $(px 1890) + 8))
keys Down Down Down Down Down Down Down Down Down
click_control 7200 4410 1575 375 "$SMB"
wait_window report
wait_until "the report window being painted" painted
PROGRAM_KB=$(peak_kb "$PID")

step "the minimal Qt program with its window shown"
start_program "$MINIMAL"
wait_window splash      # any window of the splash window's size
wait_until "the window being painted" painted
MINIMAL_KB=$(peak_kb "$PID")
echo "RESULT program_kb=$PROGRAM_KB minimal_kb=$MINIMAL_KB"
