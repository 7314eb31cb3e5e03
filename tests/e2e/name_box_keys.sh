#!/usr/bin/env bash
# A dead key's accented letter and a key held through the message, in the querent window's name
# box on a real X server: once with Qt's own handling of dead keys, once through the IBus input
# method, started as GNOME starts it. Each time the accented letter shows one message and is not
# typed, Return answers it, and a letter held while the message is answered types nothing.
# Under IBus a message box that takes the focus while Qt still holds a dead key's preedit has
# IBus commit that preedit again, to the name box: it gives no second message.
# Last, through IBus with Rime's pinyin, whose preedit is the letters typed: a Chinese character
# committed shows one message, and the letters it was typed with are not typed into the box.
source "$(dirname "$0")/driver.sh"

for tool in ibus-daemon ibus; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (./test.sh installs it)"
        exit 77
    fi
done
if [ ! -e /usr/share/ibus/component/rime.xml ]; then
    echo "SKIPPED: IBus's Rime engine is not installed (./test.sh installs ibus-rime)"
    exit 77
fi
# IBus's own Python bindings (Debian's python3-gi, which ibus depends on), for the check that
# Rime composes.
if ! /usr/bin/python3 -c 'import gi; gi.require_version("IBus", "1.0")' 2>/dev/null; then
    echo "SKIPPED: IBus's Python bindings are not installed (./test.sh installs ibus)"
    exit 77
fi

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

# A fresh run of the program, to the querent window in front.
start_round() {
    start_program
    splash_to_querent
    QUERENT=$WIN
    wait_until "the querent window in front" window_active "$QUERENT"
}
# The end of round $1: Alt+F4 and the exit screen's close end the program.
end_round() {
    step "$1: Alt+F4 and the exit screen's close end the program"
    alt_f4 "$QUERENT"
    wait_window exitscreen
    close_window
    expect_clean_exit "$PID"
}

# One round in a fresh run of the program; $1 tells the round.
name_box_round() {
    start_round

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

    end_round "$1"
}

start_display

name_box_round "dead keys"

step "start IBus as GNOME's shell starts it on X11"
# The program's session bus, as on a desktop.
start_session_bus
# Not on the test's session bus: no notification service runs there, and Rime, which tells of its
# start by notifications, would wait for one to be started before it composes.
ibus_env=(env -u DBUS_SESSION_BUS_ADDRESS HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/home/.config")
"${ibus_env[@]}" ibus-daemon --panel disable --xim >"$E2E_TMP/ibus.log" 2>&1 &
E2E_PIDS+=("$!")
# True once IBus types with engine $1.
ibus_engine() {
    "${ibus_env[@]}" ibus engine "$1" >/dev/null 2>&1 || true
    [ "$("${ibus_env[@]}" ibus engine 2>/dev/null)" = "$1" ]
}
wait_until "IBus taking the engine with dead keys" ibus_engine xkb:us:intl:eng
# What a GNOME session sets. Qt 6 has no XIM client, so without its IBus module it would keep to
# its own dead keys.
E2E_PROGRAM_ENV=(QT_IM_MODULE=ibus XMODIFIERS=@im=ibus)

name_box_round "IBus"

# True when IBus's current engine, given "n" by a client of this test, shows "n" as its preedit.
# Escape then takes the "n" away: IBus hands the one engine on to the program's input, with what
# it holds.
engine_composes_n() {
    "${ibus_env[@]}" timeout 10 /usr/bin/python3 - <<'CHECK' >/dev/null 2>&1
import sys

import gi

gi.require_version("IBus", "1.0")
from gi.repository import GLib, IBus

IBus.init()
bus = IBus.Bus.new()
if not bus.is_connected():
    sys.exit(1)
context = bus.create_input_context("engine-check")
context.set_capabilities(IBus.Capabilite.PREEDIT_TEXT | IBus.Capabilite.FOCUS)
loop = GLib.MainLoop()
wanted = "n"
shown = []


def preedit(text):
    shown.append(text)
    if text == wanted:
        loop.quit()


def give_up():
    shown.append(None)
    loop.quit()
    return False


# Presses and releases a key, and waits a little for the preedit wanted.
def press(keyval, keycode):
    # Keycodes as the X server's keyboard has them, less X's offset of 8.
    context.process_key_event(keyval, keycode - 8, 0)
    context.process_key_event(keyval, keycode - 8, IBus.ModifierType.RELEASE_MASK)
    if shown[-1:] == [wanted]:
        return
    timer = GLib.timeout_add_seconds(2, give_up)
    loop.run()
    if shown[-1:] != [None]:
        GLib.source_remove(timer)


context.connect("update-preedit-text", lambda _context, text, _cursor, _visible: preedit(text.get_text()))
# An engine may take its preedit away by hiding it.
context.connect("hide-preedit-text", lambda _context: preedit(""))
context.focus_in()
press(IBus.KEY_n, 57)
composed = shown[-1:] == ["n"]
if composed:
    wanted = ""
    press(IBus.KEY_Escape, 9)
context.focus_out()
context.destroy()
sys.exit(0 if composed and shown[-1:] == [""] else 1)
CHECK
}

# A fresh run of the program under Rime's pinyin. Space commits the first Chinese character for
# the letters in the preedit, and Rime follows the commit with only a hide of its preedit, which
# Qt's IBus module does not take as an empty one: until the commit's delivery has returned, it
# still holds "ni", and a message opened inside the delivery would have it commit "ni" to the
# name box.
rime_round() {
    start_round

    # A capital letter starts Rime's Latin text, which Space commits as it was typed.
    step "Rime: \"Z\" and Space type \"Z\""
    keys Z space
    expect_name_box Z

    step "Rime: \"ni\" and Space commit a Chinese character: one message"
    keys n i space
    expect_one_message
    screenshot "name-box-Rime"
    step "Rime: Return answers it; the name box still reads \"Z\""
    answer_message
    expect_name_box Z

    end_round Rime
}

step "IBus takes Rime's pinyin"
wait_until "IBus taking Rime" ibus_engine rime
wait_until "Rime composing" engine_composes_n

rime_round
