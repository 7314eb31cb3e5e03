#!/usr/bin/env bash
# The Romany spread of 21 cards from the Marseilles deck, Major Arcana only, no reversed cards:
# chosen in the selection window with keys and clicks, cast, saved, and left through the
# report window's "Exit" and the exit screen.
source "$(dirname "$0")/driver.sh"

readonly READING="$E2E_TMP/romany.trs"
TITLES=() MEANINGS=()
for k in $(seq 1 21); do
    TITLES+=("Card $k")
    if ((k <= 7)); then MEANINGS+=("Represent the past.")
    elif ((k <= 14)); then MEANINGS+=("Represent the present.")
    else MEANINGS+=("Represent the future.")
    fi
done

start_display
start_program
splash_to_querent

step "\"&Next\" with nothing typed opens the selection window"
keys alt+n
wait_window selection
SMB=$(selection_menu_bar)

step "choose the Romany spread, the Marseilles deck, Major Arcana, no reversed cards"
# The spread list (5280, 1890, 3495 x 1230 twips): click its first line, then go down to the
# tenth spread.
click_at $(( $(px 5280) + $(px 3495) / 2 )) $((SMB + $(px 1890) + 8))
keys Down Down Down Down Down Down Down Down Down
keys Tab Down                             # the deck list, next in the tab order
click_control 5520 3450 1455 255 "$SMB"   # "Major Arcana" in its frame at 5280, 3210
click_control 6000 3990 225 195 "$SMB"    # "Allow Reverse Cards", ticked when the window opens
screenshot selection-romany

step "\"AutoCast\" casts the Romany spread"
click_control 7200 4410 1575 375 "$SMB"
wait_window report
wait_window_gone selection
screenshot report-romany

step "copy the report"
copy_report "$E2E_TMP/report.txt"

save_reading "$READING" romany.trs

step "the reading file holds 21 Major Arcana of the Marseilles deck, none reversed"
decode_reading "$READING" "$E2E_TMP/records"
read_records "$E2E_TMP/records"
[ "$SPREAD" = "The Romany/ Gypsy Spread" ] || fail "the file's spread is \"$SPREAD\""
[ "$DECK" = "m" ] || fail "the file's deck letter is \"$DECK\""
[ "${#CARDS[@]}" -eq 21 ] || fail "the file holds ${#CARDS[@]} cards, not 21"
[ "${#REVERSED[@]}" -eq 0 ] || fail "the file holds reversed cards: ${REVERSED[*]}"
for id in "${CARDS[@]}"; do
    ((id <= 21)) || fail "card $id is not one of the Major Arcana"
done
echo "   cards ${CARDS[*]}"

step "the report shows the file's cards"
check_report "$E2E_TMP/report.txt" "Spread Type - The Romany/ Gypsy Spread"

step "the report window's \"Exit\" shows the exit screen"
click_report_row_button 2
wait_window exitscreen
wait_window_gone report

step "the exit screen's \"E&xit\" ends the program"
click_control 6000 2760 1245 375
expect_clean_exit "$PID"
