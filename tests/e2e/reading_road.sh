#!/usr/bin/env bash
# A person's whole road through an automatic reading: splash, querent details, a Celtic Cross
# with reversed cards allowed, the report, saving it (a name in a missing folder refused in the
# dialog, and the question before a file is replaced), "Start Again", opening the saved reading,
# and leaving through the exit screen.
source "$(dirname "$0")/driver.sh"

readonly READING="$E2E_TMP/celtic cross.trs"
readonly OLDER="$E2E_TMP/mine.txt.trs"
readonly NO_FOLDER="$E2E_TMP/no such folder"
readonly AFTER_REFUSAL="$E2E_TMP/after the refusal.trs"
TITLES=("Card 1: The Covering" "Card 2: The Crossing" "Card 3: The Root" "Card 4: The Past"
    "Card 5: The Crown" "Card 6: The Future" "Card 7: The Questioner" "Card 8: The House"
    "Card 9: The Inside" "Card 10: The Outcome")
MEANINGS=("This represents the overall events, situations or influences surrounding the present question."
    "This represents the current problems, challenges and negative influences that the querent has to face."
    "" "" "" "" "" "" ""
    "This represents the final outcome of the situation.")

start_display
start_program
splash_to_querent splash

step "type the querent's details"
QMB=$(querent_menu_bar)
click_control 1620 510 3855 375 "$QMB"      # the name box
type_text "Ada Lovelace"
keys Tab
# The date lists open at "1", "January", "1980".
keys Down Down Down Down Down Down Down Down Down Down Down     # day 12
keys Tab Down Down                                              # March
keys Tab Up Up Up Up Up                                         # 1975
keys Tab
type_text "Wales"
keys Tab
type_text "Will the garden bloom?"
expect_no_window message

step "\"&Next\" opens the selection window"
keys alt+n
wait_window selection
wait_window_gone querent
SMB=$(selection_menu_bar)
screenshot selection

step "\"AutoCast\" casts a Celtic Cross with reversed cards allowed"
# Deck, spread and options stay as the window opens: Rider Waite, Celtic Cross, reversed cards.
click_control 7200 4410 1575 375 "$SMB"
wait_window report
wait_window_gone selection
RMB=$SMB    # the report window's menu bar has the same font as the selection window's
screenshot report-celtic-cross

step "the report window shows the querent's details"
click_control 1110 90 2655 285 "$RMB"
copy_all_to "$E2E_TMP/name"
[ "$(cat "$E2E_TMP/name")" = "Ada Lovelace" ] || fail "the name box reads \"$(cat "$E2E_TMP/name")\""
click_control 5430 60 1935 285 "$RMB"
copy_all_to "$E2E_TMP/dob"
[ "$(cat "$E2E_TMP/dob")" = "March 12, 1975" ] || fail "the birth date reads \"$(cat "$E2E_TMP/dob")\""

step "a click on the web address in the report opens it in the browser"
click_report_link
wait_until "the browser being given the maker's site" browser_opened "https://www.corvantelle.example/"

step "copy the report"
copy_report "$E2E_TMP/report-cast.txt"

step "\"&Save\" to a name in a folder that does not exist: a message, and the dialog stays"
keys alt+s
wait_window savedialog
SAVE_WIN=$WIN
enter_file_name "$NO_FOLDER/reading"
wait_window message
screenshot no-folder-message
keys Return
wait_window_gone message
wait_window savedialog
[ "$WIN" = "$SAVE_WIN" ] || fail "the save dialog went away and another one showed"
[ ! -e "$NO_FOLDER" ] || fail "the missing folder was made"

step "a good name in the same dialog then saves"
enter_file_name "${AFTER_REFUSAL%.trs}"
wait_window_gone savedialog
wait_window report
wait_until "the reading file being written" test -s "$AFTER_REFUSAL"
expect_no_window message

save_reading "$READING" celtic-cross.trs
cmp -s "$READING" "$AFTER_REFUSAL" || fail "the save after the refusal wrote another reading"

step "the reading file holds the cast"
decode_reading "$READING" "$E2E_TMP/records"
read_records "$E2E_TMP/records"
[ "$SPREAD" = "Celtic Cross" ] || fail "the file's spread is \"$SPREAD\""
[ "$DECK" = "r" ] || fail "the file's deck letter is \"$DECK\""
[ "${#CARDS[@]}" -eq 10 ] || fail "the file holds ${#CARDS[@]} cards, not 10"
echo "   cards ${CARDS[*]}; reversed ${REVERSED[*]:-none}"

step "the report shows the file's cards"
check_report "$E2E_TMP/report-cast.txt" "Spread Type - Celtic Cross Spread"

step "\"&Save\" to the name of a file that exists asks first; \"No\", the default, keeps the file"
printf 'an older reading' >"$OLDER"
keys alt+s
wait_window savedialog
enter_file_name "${OLDER%.trs}"    # the save adds ".trs"
wait_window message
screenshot replace-question
keys Return
wait_window_gone message
wait_window savedialog
[ "$(cat "$OLDER")" = "an older reading" ] || fail "the file was changed"

step "the save dialog again, and \"Yes\" replaces the file"
enter_file_name "${OLDER%.trs}"
wait_window message
keys alt+y
wait_window_gone message
wait_window_gone savedialog
wait_window report
expect_no_window message
cmp -s "$READING" "$OLDER" || fail "the replaced file is not the reading as saved before"

step "\"Start Again\" brings back the querent window with the last entries"
click_report_row_button 0
wait_window querent
wait_window_gone report
expect_no_window exitscreen
click_control 1620 1890 3855 1335 "$QMB"    # the question box
copy_all_to "$E2E_TMP/question"
[ "$(cat "$E2E_TMP/question")" = "Will the garden bloom?" ] ||
    fail "the question box reads \"$(cat "$E2E_TMP/question")\""

step "\"&Open Previous Record\" opens the saved reading"
click_control 1620 3720 3855 495 "$QMB"
wait_window opendialog
enter_file_name "$READING"
wait_window_gone opendialog
wait_window report
expect_no_window message

step "the opened reading's report is the cast's report"
copy_report "$E2E_TMP/report-opened.txt"
cmp -s "$E2E_TMP/report-cast.txt" "$E2E_TMP/report-opened.txt" ||
    fail "the reports differ: $(diff "$E2E_TMP/report-cast.txt" "$E2E_TMP/report-opened.txt" | head -n 5)"

step "\"Exit\" shows the exit screen"
click_report_row_button 2
wait_window exitscreen
wait_window_gone report
screenshot exit-screen

step "the exit screen's \"E&xit\" ends the program"
click_control 6000 2760 1245 375
expect_clean_exit "$PID"
