#!/usr/bin/env bash
# A dead key's accented letter and a key held through the message, in the querent window's name
# box on a real X server: once with Qt's own handling of dead keys, once through the IBus input
# method, started as GNOME starts it. Each time the accented letter shows one message and is not
# typed, Return answers it, and a letter held while the message is answered types nothing.
# Under IBus a message box that takes the focus while Qt still holds a dead key's preedit has
# IBus commit that preedit again, to the name box: it gives no second message.
source "$(dirname "$0")/driver.sh"

for tool in ibus-daemon ibus; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (./test.sh installs it)"
        exit 77
    fi
done

# The name box holds $1.
expect_name_box() {
    read_focused_box
    [ "$BOX_TEXT" = "$1" ] || fail "the name box holds \"$BOX_TEXT\", not \"$1\""
}

# The program's windows are the querent window and one message box, a while after it showed.
expect_one_message() {
    wait_window message
    sleep 2
    [ "$(window_count)" -eq 2 ] || fail "the program shows $(window_count) windows"
}

QUERENT=""
# Return answers the message WIN: it goes, and the querent window, not a second message, comes
# to the front.
answer_message() {
    local box=$WIN
    keys Return
    wait_until "the message going away" window_hidden "$box"
    wait_until "the querent window or another message in front" querent_or_message
    sleep 1
    expect_no_window message
    window_active "$QUERENT" || fail "the querent window is not in front"
    WIN=$QUERENT
}
querent_or_message() { window_active "$QUERENT" || find_window message; }

# One round in a fresh run of the program; $1 tells the round.
name_box_round() {
    start_program
    splash_to_querent
    QUERENT=$WIN
    wait_until "the querent window in front" window_active "$QUERENT"

    step "$1: \"Zo\", a dead acute and \"e\" show one message"
    keys Z o dead_acute e
    expect_one_message
    screenshot "name-box-$1"
    step "$1: Return answers it; the name box reads \"Zo\""
    answer_message
    expect_name_box Zo

    step "$1: Ctrl+C while a dead acute waits shows one message"
    keys dead_acute ctrl+c
    expect_one_message
    answer_message
    expect_name_box Zo

    step "$1: \"e\" held through the message types nothing"
    keys dead_acute
    xdotool keydown e
    expect_one_message
    # "OK" at the box's bottom right, clicked while the key repeats.
    click_at $((WW - 45)) $((WH - 22))
    wait_window_gone message
    sleep 1
    xdotool keyup e
    WIN=$QUERENT
    expect_name_box Zo
    [ "$(window_count)" -eq 1 ] || fail "the program shows $(window_count) windows"

    step "$1: Alt+F4 and the exit screen's close end the program"
    alt_f4 "$QUERENT"
    wait_window exitscreen
    close_window
    expect_clean_exit "$PID"
}

start_display

name_box_round "dead keys"

step "start IBus on a session bus of this test, as GNOME's shell starts it on X11"
start_session_bus
ibus_env=(env HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/home/.config")
"${ibus_env[@]}" ibus-daemon --panel disable --xim >"$E2E_TMP/ibus.log" 2>&1 &
E2E_PIDS+=("$!")
ibus_engine() { "${ibus_env[@]}" ibus engine xkb:us:intl:eng >/dev/null 2>&1; }
wait_until "IBus taking the engine with dead keys" ibus_engine
# What a GNOME session sets. Qt 6 has no XIM client, so without its IBus module it would keep to
# its own dead keys.
E2E_PROGRAM_ENV=(QT_IM_MODULE=ibus XMODIFIERS=@im=ibus)

name_box_round "IBus"
