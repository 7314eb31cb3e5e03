#!/usr/bin/env bash
# Under GNOME's compositor on Wayland (nested mutter, the program on Qt's Wayland plugin), names
# typed at a person's pace into the open and the save dialog, in a folder of files whose names
# begin as the typed ones do, arrive whole. While the keys come the program asks for no window
# and the dialog keeps the keyboard (a list of completions would come as a popup or a window of
# its own and take it, and keys typed while it comes and goes are lost); the name box holds the
# name typed; the reading opened is the one named, and the saves go under the names typed.
source "$(dirname "$0")/driver.sh"

readonly FOLDER="$E2E_TMP/home/readings"

# What the program asked of the compositor and what it was told, one line each:
#   new <toplevel>                               a window asked for
#   popup <surface>                              a popup window asked for
#   shown <toplevel> <surface> <plain|maximized> <title>   a window's first configure
#   gone <toplevel>                              a window taken off the screen
#   keyboard <surface> / leave                   the keyboard given to a surface / taken away
protocol() {
    wayland_windows | awk '
        $1 == "new" { surface[$2] = $3; state[$2] = "plain"; pending[$2] = 1; print "new", $2 }
        $1 == "popup" || $1 == "gone" || $1 == "keyboard" || $1 == "leave" { print }
        $1 == "title" { title[$2] = substr($0, length($1) + length($2) + 3) }
        $1 == "maximize" { state[$2] = "maximized" }
        $1 == "configure" && pending[$2] { pending[$2] = 0; print "shown", $2, surface[$2], state[$2], title[$2] }
    '
}

# MARK: how far the protocol has come; since_mark: what came after.
mark() { MARK=$(protocol | wc -l); }
since_mark() { protocol | tail -n +$((MARK + 1)); }

# True once a window titled $1 ($2: plain or maximized) showed since the mark; sets SHOWN and
# SHOWN_SURFACE.
shown_since_mark() {
    local line
    line=$(since_mark | awk -v state="$2" -v title="$1" '
        $1 == "shown" && $4 == state && substr($0, index($0, $4) + length($4) + 1) == title' | tail -n 1)
    [ -n "$line" ] || return 1
    read -r _ SHOWN SHOWN_SURFACE _ <<<"$line"
}
gone_since_mark() { since_mark | grep -qx "gone $1"; }
# True while the surface given has the keyboard.
has_keyboard() { [ "$(protocol | grep -E '^(keyboard|leave)' | tail -n 1)" = "keyboard $1" ]; }

# The clipboard, read as a client of the compositor's own X server (Xwayland), which mutter
# hands the program's clipboard to.
xwayland() {
    local auth
    auth=$(compgen -G "$E2E_TMP/runtime/.mutter-Xwaylandauth.*" | head -n 1) || return 1
    XAUTHORITY=$auth DISPLAY=$XWAYLAND_DISPLAY timeout 5 "$@"
}
xwayland_clipboard() { xwayland xclip -o -selection clipboard 2>/dev/null; }
xwayland_clipboard_is() { [ "$(xwayland_clipboard)" = "$1" ]; }
xwayland_clipboard_changed() { local now; now=$(xwayland_clipboard) && [ -n "$now" ] && [ "$now" != "$E2E_MARK" ]; }

# Reads the focused name box into BOX_TEXT: a marker into the clipboard, then Ctrl+A, Ctrl+C.
read_name_box() {
    E2E_MARK="e2e-marker-$RANDOM$RANDOM"
    printf '%s' "$E2E_MARK" | xwayland xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    E2E_PIDS+=("$!")
    wait_until "the clipboard taking the marker" xwayland_clipboard_is "$E2E_MARK"
    keys ctrl+a ctrl+c
    wait_until "the name box's text in the clipboard" xwayland_clipboard_changed
    BOX_TEXT=$(xwayland_clipboard)
}

# The dialog titled $1 shows after keys $2: waits for it and for it to have the keyboard, as a
# person waits to see it before typing; DIALOG and DIALOG_SURFACE become the dialog.
open_dialog() {
    mark
    keys "$2"
    wait_until "the dialog \"$1\" showing" shown_since_mark "$1" plain
    DIALOG=$SHOWN DIALOG_SURFACE=$SHOWN_SURFACE
    wait_until "the screen standing still" screen_still
    wait_until "the keyboard in the dialog" has_keyboard "$DIALOG_SURFACE"
}

# Types name $1 into the dialog with $2 ms between keys; checks that no window opened and the
# dialog kept the keyboard meanwhile, and that the name box holds the name; screenshot $3.
type_name() {
    step "\"$1\" typed at $2 ms a key"
    mark
    xdotool type --delay "$2" -- "$1"
    read_name_box
    local opened
    opened=$(since_mark | grep -E '^(new|popup|leave)' | sort | uniq -c | tr -s ' \n' ' ' || true)
    [ -z "$opened" ] || fail "while typing, the program opened windows or the dialog lost the keyboard: $opened"
    has_keyboard "$DIALOG_SURFACE" || fail "the dialog lost the keyboard while typing"
    [ "$BOX_TEXT" = "$1" ] || fail "the name box holds \"$BOX_TEXT\", not \"$1\""
    shot "$E2E_SCREENS/$3.png"
}

# Enter in the dialog: it goes, and no message box showed meanwhile.
enter_name() {
    mark
    keys Return
    wait_until "the dialog going" gone_since_mark "$DIALOG"
}
expect_no_message() {
    ! shown_since_mark "$BOX_CAPTION" plain || fail "a message box showed"
}

# The folder: k1.trs is the reading; the files beside it, whose names begin as the names typed
# do, are no readings, so that opening one of them shows a message instead of the report.
mkdir -p "$FOLDER" "$E2E_TMP/before"
write_reading "$FOLDER/k1.trs"
for name in k1-earlier k10 r2-old r2x; do printf 'not a reading\r\n' >"$FOLDER/$name.trs"; done
cp "$FOLDER"/* "$E2E_TMP/before/"

start_mutter_wayland
xwayland_named() {
    XWAYLAND_DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\),.*/\1/p' "$E2E_TMP/mutter.log" | head -n 1)
    [ -n "$XWAYLAND_DISPLAY" ]
}
wait_until "the compositor naming its X server" xwayland_named
WAYLAND_DEBUG=client start_program

compositor_to_querent

step "\"&Open Previous Record\": the open dialog"
open_dialog "$OPEN_CAPTION" alt+o
type_name "$FOLDER/k1.trs" 40 gnome-file-names-open
step "Enter opens the reading typed: the report window"
enter_name
wait_until "the report window showing" shown_since_mark "$MAIN_CAPTION" maximized
REPORT_SURFACE=$SHOWN_SURFACE
expect_no_message
wait_until "the keyboard in the report window" has_keyboard "$REPORT_SURFACE"

# Saves the reading under typed name $1 ($2 ms a key), which the dialog completes to $3.
save_as() {
    step "\"&Save\": the save dialog"
    open_dialog "$BOX_CAPTION" alt+s
    type_name "$1" "$2" "gnome-file-names-save-$(basename "$3" .trs)"
    step "Enter saves the reading as $(basename "$3")"
    enter_name
    wait_until "the keyboard back in the report window" has_keyboard "$REPORT_SURFACE"
    expect_no_message
    wait_until "the reading file being written" test -s "$3"
    cmp -s "$FOLDER/k1.trs" "$3" || fail "$3 is not the reading opened"
}
save_as "$FOLDER/r2.trs" 60 "$FOLDER/r2.trs"
save_as "$FOLDER/k" 50 "$FOLDER/k.trs"

step "the folder holds the two saves beside its files, which are as they were"
[ "$(cd "$FOLDER" && LC_ALL=C ls | tr '\n' ' ')" = "k.trs k1-earlier.trs k1.trs k10.trs r2-old.trs r2.trs r2x.trs " ] ||
    fail "the folder holds: $(cd "$FOLDER" && LC_ALL=C ls | tr '\n' ' ')"
for file in "$E2E_TMP"/before/*; do
    cmp -s "$file" "$FOLDER/$(basename "$file")" || fail "$(basename "$file") changed"
done
process_ended "$PID" && fail "the program ended"
true
