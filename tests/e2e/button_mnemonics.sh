#!/usr/bin/env bash
# Every button's Alt+letter presses it on a real desktop: the querent window's "&Reset",
# "&Open Previous Record", "&Next" and "&Exit", the report window's "&Save" and "&Print", and
# the exit screen's "Refer A Friend &Now" and "E&xit". Each step checks what the button does,
# not only where the focus went.
source "$(dirname "$0")/driver.sh"

# Copies the report window's box at twips left, top, width, height and checks that it holds $5.
expect_report_box() {
    click_control "$1" "$2" "$3" "$4" "$RMB"
    copy_all_to "$E2E_TMP/box"
    [ "$(cat "$E2E_TMP/box")" = "$5" ] || fail "the box at $1, $2 reads \"$(cat "$E2E_TMP/box")\", not \"$5\""
}

start_display
start_program
splash_to_querent

step "fill in the querent's name, country and question"
QMB=$(querent_menu_bar)
click_control 1620 510 3855 375 "$QMB"
type_text "Ada"
click_control 1620 1410 3855 375 "$QMB"
type_text "Wales"
click_control 1620 1890 3855 1335 "$QMB"
type_text "Why"

step "Alt+R (\"&Reset\") empties the boxes: what is typed at their ends afterwards is all they hold"
keys alt+r
expect_no_window message
click_control 1620 510 3855 375 "$QMB"
keys End
type_text "Zed"
click_control 1620 1410 3855 375 "$QMB"
keys End
type_text "Zoe"
click_control 1620 1890 3855 1335 "$QMB"
keys ctrl+End
type_text "Zut"
expect_no_window message

step "Alt+O (\"&Open Previous Record\") shows the open dialog"
keys alt+o
wait_window opendialog
keys Escape
wait_window_gone opendialog
wait_window querent
focus_window

step "Alt+N (\"&Next\") shows the selection window"
keys alt+n
wait_window selection
wait_window_gone querent

step "\"AutoCast\" shows the report window"
SMB=$(selection_menu_bar)
click_control 7200 4410 1575 375 "$SMB"
wait_window report
RMB=$SMB    # the report window's menu bar has the same font as the selection window's

step "the report window shows the boxes as typed after the reset"
expect_report_box 1110 90 2655 285 "Zed"      # name
expect_report_box 8370 60 2445 285 "Zoe"      # country
expect_report_box 1110 420 7485 375 "Zut"     # question

step "Alt+S (\"&Save\") shows the save dialog"
keys alt+s
wait_window savedialog
keys Escape
wait_window_gone savedialog
wait_window report
focus_window

step "Alt+P (\"&Print\") prints, or says that no printer is available"
# The test's X server comes without a printer: the press ends in the message.
keys alt+p
wait_window message
screenshot no-printer-message
keys Return
wait_window_gone message
wait_window report

step "\"Start Again\" brings back the querent window"
click_report_row_button 0
wait_window querent
wait_window_gone report
focus_window

step "Alt+E (\"&Exit\") closes the querent window and shows the exit screen"
keys alt+e
wait_window exitscreen
wait_window_gone querent
focus_window

step "Alt+N (\"Refer A Friend &Now\") checks the form: its boxes hold their placeholders"
keys alt+n
wait_window message
keys Return
wait_window_gone message
wait_window exitscreen
focus_window

step "Alt+X (\"E&xit\") ends the program"
keys alt+x
expect_clean_exit "$PID"
