#!/usr/bin/env bash
# The keyboard alone, from the first window to the last: after every change of window the first
# keys typed (letters into the box that has the focus, a mnemonic, Space) act in the window in
# front, and none reaches a window that is not shown. Nothing is clicked to give a window the
# keyboard; the backs of the manual reading and the report's "Start Again" and "Exit" are
# clicked because they have no key. The exit screen is shown and hidden again on the way from
# some windows to others; each such change of window is also taken in a fresh run, where it is
# the first to show the exit screen.
source "$(dirname "$0")/driver.sh"

readonly READING="$E2E_TMP/keys.trs"

# Types $1 into the box that has the focus and checks that the box then holds $2.
expect_typed() {
    type_text "$1"
    read_focused_box
    [ "$BOX_TEXT" = "$2" ] || fail "the box with the focus holds \"$BOX_TEXT\", not \"$2\""
}

# The program is still running, with the window of kind $1 and no exit screen.
expect_still_in() {
    sleep 0.5
    process_ended "$PID" && fail "the program ended"
    find_window "$1" || fail "the $1 window went away"
    expect_no_window exitscreen
}

# Alt+S opens the save dialog over the report window; Escape closes it again.
expect_save_dialog_by_key() {
    keys alt+s
    wait_window savedialog
    keys Escape
    wait_window_gone savedialog
    wait_front report
}

# Opens the current window's File menu with Alt+F and closes it with Escape.
expect_file_menu_by_key() {
    local before
    before=$(window_count)
    keys alt+f
    wait_until "the File menu opening" eval '[ "$(window_count)" -gt "$before" ]'
    keys Escape
    wait_until "the File menu closing" eval '[ "$(window_count)" -eq "$before" ]'
}

# A fresh run of the program, from Enter on the splash's "Continue...." to the querent window in
# front, with "Ann" typed into its name box.
fresh_start() {
    step "Enter on the splash's \"Continue....\" opens the querent window"
    start_program
    wait_window splash
    wait_until "\"Continue....\" showing" \
        pixel_is "$(( $(px 5880) + 3 ))" "$(( $(px 4560) + $(px 375) / 2 ))" 255 192 128
    wait_until "the splash window in front" window_active "$WIN"
    keys Return
    wait_front querent
    wait_window_gone splash
    step "the querent window takes the first letters in its name box"
    expect_typed "Ann" "Ann"
}

# "Exit" in the report window; the exit screen in front takes Space on its "E&xit".
exit_from_report() {
    step "\"Exit\": the exit screen takes the keys; Space on its \"E&xit\" ends the program"
    click_report_row_button 2
    wait_front exitscreen
    keys space
    expect_clean_exit "$PID"
}

start_display

fresh_start

step "\"&Next\": the selection window takes the keys; Tab to \"Back\" and Space"
keys alt+n
wait_front selection
wait_window_gone querent
# The spread list has the focus: list, deck, Major, Minor, reversed cards, Manual, AutoCast, Back.
keys Tab Tab Tab Tab Tab Tab Tab space

step "\"Back\": the querent window takes the next letters, not the hidden exit screen"
wait_front querent
wait_window_gone selection
expect_typed "e" "Anne"
expect_still_in querent
keys BackSpace
expect_typed "x" "Annx"

step "the File menu's \"Back\" of the selection window, by keys"
keys alt+n
wait_front selection
keys alt+f Down Down Down Return     # "&Choose Scenario", "&Manual", "Auto&Cast", "Back"
wait_front querent
wait_window_gone selection
expect_typed "y" "Annxy"

step "\"Manual\" by keys: the manual window takes the keys"
keys alt+n
wait_front selection
keys Down                            # One Card
keys Tab Tab Tab Tab Tab space       # list, deck, Major, Minor, reversed cards, Manual
wait_front manual
wait_window_gone selection
MMB=$(manual_menu_bar)
expect_file_menu_by_key

step "the manual window's \"&Start Again\" by keys: the querent window takes the keys"
keys alt+f s
wait_front querent
wait_window_gone manual
expect_typed "z" "Annxyz"

step "after the deal the report window takes the keys"
keys alt+n
wait_front selection
keys Down Tab Tab Tab Tab Tab space  # One Card, "Manual"
wait_front manual
click_control $((2520 + 90)) $((540 + 180)) 350 600 "$MMB"    # the one back to pick
wait_front report
wait_window_gone manual
keys alt+s
wait_window savedialog
enter_file_name "$READING"
wait_window_gone savedialog
wait_front report
wait_until "the reading file being written" test -s "$READING"
keys space
expect_still_in report

step "\"Start Again\": the querent window takes the keys"
click_report_row_button 0
wait_front querent
wait_window_gone report
expect_typed "w" "Annxyzw"

step "\"AutoCast\" by keys: the report window takes the keys"
keys alt+n
wait_front selection
keys Tab Tab Tab Tab Tab Tab space   # list, deck, Major, Minor, reversed cards, Manual, AutoCast
wait_front report
wait_window_gone selection
expect_save_dialog_by_key

step "\"&Open Previous Record\" by keys: the opened reading's report window takes the keys"
click_report_row_button 0
wait_front querent
keys alt+o
wait_window opendialog
enter_file_name "$READING"
wait_window_gone opendialog
wait_front report
expect_save_dialog_by_key
exit_from_report

fresh_start
step "a first \"Back\" from the File menu: the querent window takes the keys"
keys alt+n
wait_front selection
keys alt+f Down Down Down Return
wait_front querent
wait_window_gone selection
expect_typed "e" "Anne"
step "the querent window's \"&Exit\": the exit screen takes Space"
keys alt+e
wait_front exitscreen
keys space
expect_clean_exit "$PID"

fresh_start
step "a first \"&Manual\" from the File menu: the manual window takes the keys"
keys alt+n
wait_front selection
keys alt+f m
wait_front manual
wait_window_gone selection
expect_file_menu_by_key
step "a first deal: the report window takes the keys"
click_control $((2520 + 90)) $((540 + 180)) 350 600 "$MMB"     # Celtic Cross: ten backs
for column in 1 2 3 4 5 6 7 8 9; do
    click_control $((2520 + 90 + 375 * column)) $((540 + 180)) 350 600 "$MMB"
done
wait_front report
wait_window_gone manual
expect_save_dialog_by_key
keys space
expect_still_in report
exit_from_report
