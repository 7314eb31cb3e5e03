#!/usr/bin/env bash
# Under GNOME's compositor on Wayland (mutter, the program on Qt's Wayland plugin), read from
# the protocol the program speaks: a saved reading opened with "&Open Previous Record" comes up
# with no window asking for the keyboard but the report window (GNOME showed the querent window,
# left behind the report window, as "... is ready"); the open dialog is the querent window's
# child, so that it opens over it; and the exit screen, which Wayland cannot keep above every
# window, is the child of the querent window left beside it.
source "$(dirname "$0")/driver.sh"

readonly READING="$E2E_TMP/home/reading.trs"

# Shows what the program asked of the compositor so far, one line per request of interest:
#   toplevel <kind> <toplevel> <surface>   a window shown: splash, querent, selection, report,
#                                          exitscreen, opendialog, dialog (other), by its size and title
#   parent <kind> <kind>                   a window made the child of another
#   activate <kind>                        a window asking for the keyboard
#   keyboard <kind>                        the compositor giving a window the keyboard
#   gone <kind>                            a window taken off the screen
protocol() {
    wayland_windows | awk '
        function kind_of(t) { return (t in kind) ? kind[t] : "unknown" }
        function title() { return substr($0, length($1) + length($2) + 3) }
        $1 == "new" { surface[$2] = $3; kind[$2] = "dialog"; pending[$2] = 1 }
        $1 == "maximize" { kind[$2] = "report" }
        $1 == "min_size" && $3 == 395 { kind[$2] = "querent" }
        $1 == "min_size" && $3 == 592 { kind[$2] = "selection" }
        $1 == "min_size" && $3 == 741 && $4 == 315 { kind[$2] = "exitscreen" }
        $1 == "min_size" && $3 == 499 && $4 == 334 { kind[$2] = "splash" }
        $1 == "title" && title() == "Select the source file" { kind[$2] = "opendialog" }
        $1 == "parent" && $3 != "nil" { parent[$2] = $3 }
        # A toplevel is known by its kind once it has been set up; the first configure comes then.
        $1 == "configure" && pending[$2] {
            pending[$2] = 0; by_surface[surface[$2]] = $2
            print "toplevel", kind_of($2), $2, surface[$2]
            if ($2 in parent) print "parent", kind_of($2), kind_of(parent[$2])
        }
        $1 == "gone" { print "gone", kind_of($2); delete by_surface[surface[$2]]; delete parent[$2] }
        $1 == "keyboard" || $1 == "activate" { print $1, (($2 in by_surface) ? kind_of(by_surface[$2]) : "unknown") }
    '
}

# True once the protocol shows a line matching $1.
protocol_has() { protocol | grep -qx "$1"; }

start_mutter_wayland
write_reading "$READING"
WAYLAND_DEBUG=client start_program

step "the splash, then \"Continue....\" by Enter: the querent window"
wait_until "the splash showing" protocol_has "toplevel splash .*"
wait_until "the screen standing still" screen_still
sleep 3    # "Continue...." comes after a moment
wait_until "the screen standing still" screen_still
keys Return
wait_until "the querent window showing" protocol_has "toplevel querent .*"
wait_until "the screen standing still" screen_still

step "\"&Open Previous Record\": the open dialog is the querent window's child"
keys alt+o
wait_until "the open dialog showing" protocol_has "toplevel opendialog .*"
protocol_has "parent opendialog querent" || fail "the open dialog is nobody's child: $(protocol | grep opendialog)"
wait_until "the screen standing still" screen_still
# Keys typed before the compositor gives the dialog the keyboard would go to the querent window.
dialog_has_keyboard() { [ "$(protocol | grep '^keyboard ' | tail -n 1)" = "keyboard opendialog" ]; }
wait_until "the keyboard in the open dialog" dialog_has_keyboard
type_text "$READING"
keys Return
wait_until "the report window showing" protocol_has "toplevel report .*"
wait_until "the screen standing still" screen_still
shot "$E2E_SCREENS/gnome-wayland-report.png"

step "only the report window asked for the keyboard after the open dialog"
after=$(protocol | sed -n '/^gone opendialog$/,$p')
[ -n "$after" ] || fail "the open dialog never went"
others=$(grep '^activate ' <<<"$after" | grep -v '^activate report$' | sort -u | tr '\n' ' ' || true)
[ -z "$others" ] || fail "windows that asked for the keyboard after the open: $others"
step "the report window has the keyboard"
report_has_keyboard() { protocol | sed -n '/^gone opendialog$/,$p' | grep -qx "keyboard report"; }
wait_until "the keyboard in the report window" report_has_keyboard

step "closing the report window (Alt+F4): the exit screen is the child of the querent window"
keys alt+F4
wait_until "the exit screen showing" protocol_has "toplevel exitscreen .*"
protocol_has "parent exitscreen querent" || fail "the exit screen is not the querent window's child: $(protocol | grep exitscreen)"
wait_until "the screen standing still" screen_still
shot "$E2E_SCREENS/gnome-wayland-exit-screen.png"
process_ended "$PID" && fail "the program ended"
true
