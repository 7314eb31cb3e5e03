#!/usr/bin/env bash
# The "Please Wait ..." panels under a Wayland compositor (weston, the program on Qt's Wayland
# plugin): the selection window's for "AutoCast" with reversed cards cleared, and the manual
# window's after the last pick, are on the screen through their 3 s pauses, not only for the
# moment the cards take after the pause. Each press is let go when the screen has stood still
# for a moment, so that nothing the compositor still had to answer wakes the program during the
# pause.
source "$(dirname "$0")/driver.sh"

readonly SHOT="$E2E_TMP/screen.png"

# True when screenshot $1 shows a "Please Wait ..." panel: red around its two white labels, a
# frame of 353 x 65 pixels with a red row of that width and a red column of that height.
panel_in() {
    local row column
    row=$(colour_line_max "$1" 255 0 0 row) && column=$(colour_line_max "$1" 255 0 0 column) || return 1
    ((row >= 340 && column >= 60))
}

# Screenshots one after another from now on, until one shows the panel and a later one shows it
# no more, or 15 s have passed. PANEL_SHOTS: the most screenshots in a row that showed it.
watch_panel() {
    local deadline=$((SECONDS + 15)) run=0 seen=0 n=0
    PANEL_SHOTS=0
    while ((SECONDS < deadline)); do
        shot "$SHOT" || continue
        n=$((n + 1))
        if panel_in "$SHOT"; then
            run=$((run + 1))
            ((run > PANEL_SHOTS)) && PANEL_SHOTS=$run
            ((run == 2)) && cp "$SHOT" "$E2E_SCREENS/$1.png"
            seen=1
        else
            run=0
            ((seen)) && break
        fi
    done
    echo "   the panel showed in $PANEL_SHOTS screenshots in a row of $n"
}

# The pause is over when the panel has been seen in several screenshots in a row: a panel that
# reached the screen only after the pause is there for one at most.
expect_panel_through_pause() {
    ((PANEL_SHOTS >= 3)) || fail "the panel was not on the screen during the pause ($PANEL_SHOTS screenshots)"
}

# True when two screenshots a moment apart are the same but for a blinking caret.
screen_still() {
    shot "$E2E_TMP/still-1.png" && sleep 0.3 && shot "$E2E_TMP/still-2.png" || return 1
    local changed
    changed=$(compare -metric AE "$E2E_TMP/still-1.png" "$E2E_TMP/still-2.png" null: 2>&1) || true
    [[ $changed =~ ^[0-9]+$ ]] && ((changed < 50))
}

splash_shows_continue() { shot "$SHOT" && has_colour_run "$SHOT" 255 192 128 80x3; }
querent_shows() {
    # The splash is gone and a window with the forum advert's underlined blue line is there.
    shot "$SHOT" && ! has_colour_run "$SHOT" 255 192 128 80x3 && has_colour_run "$SHOT" 0 0 255 300x1
}
selection_shows() { shot "$SHOT" && [ "$(colour_count "$SHOT" 255 0 0)" -gt 100 ]; }
manual_shows() {
    shot "$SHOT" && BACKS=$(colour_runs_box "$SHOT" 34 41 109 1x30) && [ -n "$BACKS" ]
}

# A fresh run: the splash's "Continue...." by Enter, "&Next" by Alt+N, the selection window.
to_selection() {
    start_program
    step "the splash offers \"Continue....\"; Enter opens the querent window"
    wait_until "\"Continue....\" showing" splash_shows_continue
    keys Return
    wait_until "the querent window showing" querent_shows
    step "\"&Next\" opens the selection window"
    wait_until "the screen standing still" screen_still
    keys alt+n
    wait_until "the selection window showing" selection_shows
    wait_until "the screen standing still" screen_still
}

start_weston
xset r off      # a key held down does not repeat

to_selection
step "\"AutoCast\" with reversed cards cleared: the panel is on the screen through the pause"
# The spread list has the focus: list, deck, Major, Minor, reversed cards; Manual, AutoCast.
keys Tab Tab Tab Tab space Tab Tab
xdotool keydown space
wait_until "the screen standing still" screen_still
xdotool keyup space
watch_panel wayland-panel-autocast
expect_panel_through_pause
kill "$PID"
wait "$PID" 2>/dev/null || true

to_selection
step "the manual window's last pick: the panel is on the screen through the pause"
keys Down Tab Tab Tab Tab Tab space  # One Card, "Manual"
wait_until "the manual window showing" manual_shows
# The backs' box: the first back's middle is 8 pixels right and 5 below its top left corner.
read -r bx by _ <<<"$BACKS"
move_pointer $((WX + bx + 8)) $((WY + by + 5))
xdotool mousedown 1
wait_until "the screen standing still" screen_still
xdotool mouseup 1
watch_panel wayland-panel-manual
expect_panel_through_pause
