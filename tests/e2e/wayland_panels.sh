#!/usr/bin/env bash
# The "Please Wait ..." panels under a Wayland compositor (weston, the program on Qt's Wayland
# plugin): the selection window's for "AutoCast" with reversed cards cleared, and the manual
# window's after the last pick, are on the screen through their 3 s pauses, not only for the
# moment the cards take after the pause. Each press is let go when the screen has stood still
# for a moment, so that nothing the compositor still had to answer wakes the program during the
# pause.
#
# Which half guards what: the manual half fails in most runs when the panel's drawing waits in
# the connection to the compositor through the pause (platform::Refresh letting the event loop
# wake once after the flush); the AutoCast half mostly passes then, and guards the selection
# window's panel and its pause. There the button drawn up again as the key is let go asks the
# compositor for a frame, whose answer often comes during the pause, and Qt's Wayland plugin
# sends the queued panel when it reads that answer.
source "$(dirname "$0")/driver.sh"


# True when screenshot $1 of the compositor's screen shows a "Please Wait ..." panel: red around
# its two white labels, a frame of 353 x 65 pixels with a red row of that width and a red column
# of that height. One look at the picture, judged at a lower priority than the program's.
panel_in() {
    local lines row column
    lines=$(nice -n 10 convert "$1" -alpha off -fuzz 4% -transparent "rgb(255,0,0)" -alpha extract -negate \
        \( +clone -scale "1x$WH!" -format "%[fx:round(maxima * $WW)] " -write info: +delete \) \
        -scale "${WW}x1!" -format "%[fx:round(maxima * $WH)]" info: 2>/dev/null) || return 1
    read -r row column <<<"$lines"
    [ -n "$column" ] && ((row >= 340 && column >= 60))
}

# The time now, in microseconds.
now_us() { NOW=${EPOCHREALTIME/[.,]/}; }

# Takes screenshots of the compositor's screen one after another into folder $1, until the file
# "stop" is there (at most 300); notes each one's number and the times it was begun and done
# in $1/shots.
capture_screens() {
    local n=0 begun
    while [ ! -e "$1/stop" ] && ((n < 300)); do
        now_us
        begun=$NOW
        if grab -window "$WIN" "$1/$n.miff" 2>/dev/null; then
            now_us
            echo "$n $begun $NOW" >>"$1/shots"
            n=$((n + 1))
        fi
    done
}

# Watches the screen from a press let go at time $1 (now_us) on: screenshots are taken one
# after another while they are judged, so that a busy machine slows the judging but not the
# looking. Stops when a screenshot after the panel no longer shows it, when one begun 2 s after
# the press still shows it, or after E2E_WAIT seconds. Sets, in microseconds after the press,
# PANEL_FIRST_DONE (when the first screenshot with the panel was done) and PANEL_LAST_BEGUN
# (when the last of the panel screenshots in a row from there was begun), empty when the panel
# did not show, and PANEL_LOG, what each screenshot showed. Keeps the first screenshot with the
# panel as $2 among the screenshots, and the one after it without the panel as $2-gone.
watch_panel() {
    local press=$1 folder="$E2E_TMP/shots-$2" capturer line n begun done judged=0 shots=0
    local deadline=$((SECONDS + E2E_WAIT))
    mkdir -p "$folder"
    capture_screens "$folder" &
    capturer=$!
    E2E_PIDS+=("$capturer")
    PANEL_FIRST_DONE="" PANEL_LAST_BEGUN="" PANEL_SHOTS=0 PANEL_LOG=""
    rm -f "$E2E_SCREENS/$2-gone.png"
    while ((SECONDS < deadline)); do
        line=$(sed -n "$((judged + 1))p" "$folder/shots" 2>/dev/null) || true
        if [ -z "$line" ]; then
            sleep 0.05
            continue
        fi
        judged=$((judged + 1))
        read -r n begun done <<<"$line"
        PANEL_LOG+="   screenshot $n begun $(seconds $((begun - press))), done $(seconds $((done - press)))"
        if panel_in "$folder/$n.miff"; then
            PANEL_LOG+=", the panel"$'\n'
            if [ -z "$PANEL_FIRST_DONE" ]; then
                PANEL_FIRST_DONE=$((done - press))
                convert "$folder/$n.miff" "$E2E_SCREENS/$2.png" 2>/dev/null || true
            fi
            PANEL_LAST_BEGUN=$((begun - press))
            PANEL_SHOTS=$((PANEL_SHOTS + 1))
            ((PANEL_LAST_BEGUN < 2000000)) || break   # long enough
        else
            PANEL_LOG+=", no panel"$'\n'
            if [ -n "$PANEL_FIRST_DONE" ]; then
                convert "$folder/$n.miff" "$E2E_SCREENS/$2-gone.png" 2>/dev/null || true
                break
            fi
        fi
    done
    touch "$folder/stop"
    wait "$capturer" 2>/dev/null || true
    shots=$(cat "$folder/shots" 2>/dev/null | wc -l)
    echo "   $shots screenshots; the panel showed in $PANEL_SHOTS in a row, the first done $(seconds "$PANEL_FIRST_DONE")," \
        "the last begun $(seconds "$PANEL_LAST_BEGUN") after the press"
}

# Microseconds $1 as seconds, "-" when empty.
seconds() { if [ -n "$1" ]; then printf '%d.%02d s' $(($1 / 1000000)) $(($1 % 1000000 / 10000)); else echo -; fi; }

# The panel was on the screen through the 3 s pause that starts after the press: seen in a
# screenshot done within 3 s of the press (so before the pause could end), and still seen, in
# every screenshot in between, in one begun 2 s after the press. A panel that reaches the
# screen only when the pause is over shows late and for a moment.
expect_panel_through_pause() {
    local why=""
    if [ -z "$PANEL_FIRST_DONE" ]; then
        why="the panel did not show"
    elif ((PANEL_FIRST_DONE >= 3000000)); then
        why="the panel was first seen $(seconds "$PANEL_FIRST_DONE") after the press, when the pause could be over"
    elif ((PANEL_LAST_BEGUN < 2000000)); then
        why="the panel went away: last seen $(seconds "$PANEL_LAST_BEGUN") after the press, in the pause"
    fi
    if [ -n "$why" ]; then
        printf '%s' "$PANEL_LOG"
        fail "$why"
    fi
}



start_weston
xset r off      # a key held down does not repeat

to_selection
step "\"AutoCast\" with reversed cards cleared: the panel is on the screen through the pause"
# The spread list has the focus: list, deck, Major, Minor, reversed cards; Manual, AutoCast.
keys Tab Tab Tab Tab space Tab Tab
xdotool keydown space
wait_until "the screen standing still" screen_still
now_us
xdotool keyup space
watch_panel "$NOW" wayland-panel-autocast
expect_panel_through_pause
kill "$PID"
wait "$PID" 2>/dev/null || true

to_selection
step "the manual window's last pick: the panel is on the screen through the pause"
keys Down Tab Tab Tab Tab Tab space  # One Card, "Manual"
wait_until "the manual window showing" manual_shows
# The backs' box: the first back's middle is 8 pixels right and 5 below its top left corner.
read -r bx by _ <<<"$BACKS"
press_at $((WX + bx + 8)) $((WY + by + 5)) "the press on the first card back"
wait_until "the screen standing still" screen_still
now_us
xdotool mouseup 1
watch_panel "$NOW" wayland-panel-manual
expect_panel_through_pause
