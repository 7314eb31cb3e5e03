#!/usr/bin/env bash
# A manual Three Cards reading with reversed cards allowed: three backs picked while the hint box
# names each position in turn; after the last pick, clicks on other backs and on the window's
# buttons and a close through the window manager, all made during the wait, change nothing: the
# report shows the three dealt cards, no exit screen is left, and the save holds them.
source "$(dirname "$0")/driver.sh"

readonly READING="$E2E_TMP/three cards.trs"
TITLES=("Card 1 - Past" "Card 2 - Present" "Card 3 - Future")
MEANINGS=("" ""
    "This card represents the future outcome of the present circumstances or events that may lead to the outcome.")

# Clicks back k of the 13 x 6 grid in the frame at 2520, 540 (twips).
click_back() {
    local column=$(($1 % 13)) row=$(($1 / 13))
    click_control $((2520 + 90 + 375 * column)) $((540 + 180 + 630 * row)) 350 600 "$MMB"
}

# Checks that the hint box names position k ($1, 0-based): its title, then a line of meaning.
expect_hint() {
    local k=$1 lines
    click_control 90 4620 7395 1245 "$MMB"    # the hint box
    copy_all_to "$E2E_TMP/hint"
    mapfile -t lines <"$E2E_TMP/hint"
    [ "${lines[0]:-}" = "${TITLES[k]}" ] || fail "the hint box begins \"${lines[0]:-}\", not \"${TITLES[k]}\""
    [ -n "${lines[1]:-}" ] || fail "the hint of \"${TITLES[k]}\" has no meaning on its second line"
    if [ -n "${MEANINGS[k]}" ] && [ "${lines[1]}" != "${MEANINGS[k]}" ]; then
        fail "the hint of \"${TITLES[k]}\" reads \"${lines[1]}\""
    fi
}

# True while the "Please Wait ..." panel (red, at 1133, 2693 twips) shows.
panel_showing() { pixel_is "$(( $(px 1133) + 2 ))" "$((MMB + $(px 2693) + 2))" 255 0 0; }

start_display
start_program
splash_to_querent

querent_to_selection
SMB=$(selection_menu_bar)

step "\"Manual\" with Three Cards and reversed cards allowed opens the manual window"
# The spread list (5280, 1890, 3495 x 1230 twips): its first line, then down to the fourth.
click_at $(( $(px 5280) + $(px 3495) / 2 )) $((SMB + $(px 1890) + 8))
keys Down Down Down
# "Allow Reverse Cards" is left ticked, as the window opens.
click_control 5430 4410 1575 375 "$SMB"
wait_window manual
wait_window_gone selection
MMB=$(manual_menu_bar)
MANUAL=$WIN

step "the hint box names the first position"
expect_hint 0

step "the first pick: the hint box names the second position"
click_back 0
expect_hint 1

step "the second pick: the hint box names the third position"
click_back 14
expect_hint 2

step "the last pick shows the \"Please Wait ...\" panel"
click_back 28
wait_until "the panel showing" panel_showing
expect_no_window report

step "during the wait: a close, clicks on other backs and on \"Back\" and \"Exit\""
close_window "$MANUAL"
click_back 1
click_back 40
click_back 77
click_control 6510 5940 975 375 "$MMB"     # "Back"
click_control 5370 5940 1095 375 "$MMB"    # "Exit"
click_back 2

step "the deal shows the report window; the manual window is gone, no exit screen is left"
wait_window report
wait_window_gone manual
expect_no_window exitscreen
expect_no_window querent
expect_no_window message
screenshot report-manual

step "copy the report"
copy_report "$E2E_TMP/report.txt"

save_reading "$READING" manual-three-cards.trs

step "the reading file holds three distinct cards"
decode_reading "$READING" "$E2E_TMP/records"
read_records "$E2E_TMP/records"
[ "$SPREAD" = "Three Cards" ] || fail "the file's spread is \"$SPREAD\""
[ "${#CARDS[@]}" -eq 3 ] || fail "the file holds ${#CARDS[@]} cards, not 3"
echo "   cards ${CARDS[*]}; reversed ${REVERSED[*]:-none}"

step "the report shows the file's cards, and no more"
check_report "$E2E_TMP/report.txt" "Spread Type - Three Cards"

step "still no exit screen; \"Exit\" shows it, and its \"E&xit\" ends the program"
expect_no_window exitscreen
click_report_row_button 2
wait_window exitscreen
click_control 6000 2760 1245 375
expect_clean_exit "$PID"
