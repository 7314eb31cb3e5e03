#!/usr/bin/env bash
# A program folder without its "pic" or its "cards" folder: the program says that the
# pictures are missing, shows no other window, and ends.
source "$(dirname "$0")/driver.sh"

BUILT=$(dirname "$E2E_PROGRAM")
readonly BUILT

start_display

for missing in pic cards; do
    step "a program folder without \"$missing\""
    folder="$E2E_TMP/without-$missing"
    mkdir -p "$folder"
    cp "$E2E_PROGRAM" "$folder/"
    for kept in cards pic; do
        if [ "$kept" != "$missing" ]; then cp -r "$BUILT/$kept" "$folder/"; fi
    done
    start_program "$folder/$(basename "$E2E_PROGRAM")"

    step "without \"$missing\" the program shows the missing-pictures message alone"
    wait_window message
    screenshot "missing-$missing"
    [ "$(window_count)" -eq 1 ] || fail "the program shows $(window_count) windows"

    step "without \"$missing\" OK ends the program"
    click_at 20 20
    keys Return
    expect_clean_exit "$PID"
done
