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
    awk '
        function kind_of(t) { return (t in kind) ? kind[t] : "unknown" }
        /-> xdg_wm_base@[0-9]+\.get_xdg_surface\(/ {
            match($0, /new id xdg_surface@[0-9]+/); xs = substr($0, RSTART + 7, RLENGTH - 7)
            match($0, /wl_surface@[0-9]+\)/); ws = substr($0, RSTART, RLENGTH - 1)
            surface_of_xdg[xs] = ws
        }
        /-> xdg_surface@[0-9]+\.get_toplevel\(/ {
            match($0, /xdg_surface@[0-9]+/); xs = substr($0, RSTART, RLENGTH)
            match($0, /new id xdg_toplevel@[0-9]+/); t = substr($0, RSTART + 7, RLENGTH - 7)
            surface[t] = surface_of_xdg[xs]; kind[t] = "dialog"; pending[t] = 1
        }
        /-> xdg_toplevel@[0-9]+\.set_maximized\(/ { match($0, /xdg_toplevel@[0-9]+/); kind[substr($0, RSTART, RLENGTH)] = "report" }
        /-> xdg_toplevel@[0-9]+\.set_min_size\(395, / { match($0, /xdg_toplevel@[0-9]+/); kind[substr($0, RSTART, RLENGTH)] = "querent" }
        /-> xdg_toplevel@[0-9]+\.set_min_size\(592, / { match($0, /xdg_toplevel@[0-9]+/); kind[substr($0, RSTART, RLENGTH)] = "selection" }
        /-> xdg_toplevel@[0-9]+\.set_min_size\(741, 315\)/ { match($0, /xdg_toplevel@[0-9]+/); kind[substr($0, RSTART, RLENGTH)] = "exitscreen" }
        /-> xdg_toplevel@[0-9]+\.set_min_size\(499, 334\)/ { match($0, /xdg_toplevel@[0-9]+/); kind[substr($0, RSTART, RLENGTH)] = "splash" }
        /-> xdg_toplevel@[0-9]+\.set_title\("Select the source file"\)/ { match($0, /xdg_toplevel@[0-9]+/); kind[substr($0, RSTART, RLENGTH)] = "opendialog" }
        /-> xdg_toplevel@[0-9]+\.set_parent\(xdg_toplevel@[0-9]+\)/ {
            match($0, /xdg_toplevel@[0-9]+\.set_parent/); t = substr($0, RSTART, RLENGTH - 11)
            match($0, /\(xdg_toplevel@[0-9]+\)/); p = substr($0, RSTART + 1, RLENGTH - 2)
            parent[t] = p
        }
        # A toplevel is known by its kind once it has been set up; the first configure comes then.
        /xdg_toplevel@[0-9]+\.configure\(/ {
            match($0, /xdg_toplevel@[0-9]+/); t = substr($0, RSTART, RLENGTH)
            if (pending[t]) {
                pending[t] = 0; by_surface[surface[t]] = t
                print "toplevel", kind_of(t), t, surface[t]
                if (t in parent) print "parent", kind_of(t), kind_of(parent[t])
            }
        }
        /-> xdg_toplevel@[0-9]+\.destroy\(\)/ {
            match($0, /xdg_toplevel@[0-9]+/); t = substr($0, RSTART, RLENGTH)
            print "gone", kind_of(t); delete by_surface[surface[t]]; delete parent[t]
        }
        / wl_keyboard@[0-9]+\.enter\([0-9]+, wl_surface@[0-9]+,/ {
            match($0, /wl_surface@[0-9]+/); s = substr($0, RSTART, RLENGTH)
            print "keyboard", ((s in by_surface) ? kind_of(by_surface[s]) : "unknown")
        }
        /-> xdg_activation_v1@[0-9]+\.activate\(/ {
            match($0, /wl_surface@[0-9]+\)/); s = substr($0, RSTART, RLENGTH - 1)
            print "activate", ((s in by_surface) ? kind_of(by_surface[s]) : "unknown")
        }
    ' "$E2E_TMP/program-0.log"
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
