#!/usr/bin/env bash
# Keys held with Alt type nothing into the querent window's question box or the report box on
# a real X server, while "&Next" and the copy keys still work there.
source "$(dirname "$0")/driver.sh"

# Keys that no button or menu of these windows takes.
readonly COMMAND_KEYS=(alt+q alt+5 alt+period ctrl+alt+q)

start_display
start_program
splash_to_querent

step "Alt keys in the question box type nothing"
QMB=$(querent_menu_bar)
click_control 1620 1890 3855 1335 "$QMB"    # the question box
type_text "corvantelle"
keys Left Left Left Left Left Left Left "${COMMAND_KEYS[@]}"
copy_all_to "$E2E_TMP/question"
[ "$(cat "$E2E_TMP/question")" = "corvantelle" ] || fail "the question box reads \"$(cat "$E2E_TMP/question")\""
expect_no_window message

step "\"&Next\" from the question box, then \"AutoCast\", show the report window"
keys alt+n
wait_window selection
wait_window_gone querent
click_control 7200 4410 1575 375 "$(selection_menu_bar)"
wait_window report

step "Alt keys in the report box type nothing"
copy_report "$E2E_TMP/report-before.txt"
click_at $((WW - $(px 3735) + 4)) $((WH / 2))    # the caret into the text, nothing selected
keys "${COMMAND_KEYS[@]}"
copy_report "$E2E_TMP/report-after.txt"
cmp -s "$E2E_TMP/report-before.txt" "$E2E_TMP/report-after.txt" ||
    fail "the report changed: $(diff "$E2E_TMP/report-before.txt" "$E2E_TMP/report-after.txt" | head -n 5)"

step "\"Exit\" and the exit screen's \"E&xit\" end the program"
click_report_row_button 2
wait_window exitscreen
click_control 6000 2760 1245 375
expect_clean_exit "$PID"
