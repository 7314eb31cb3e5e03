# Drives the real program under a private virtual X server and the openbox window manager, as a
# person would: keys, clicks and the window manager's closes only. Sourced by the scenario
# scripts, which are called as
#   <scenario>.sh <program> <screenshot folder>
# Every step waits a bounded time; a step that does not happen fails the test with its name.
set -euo pipefail

E2E_PROGRAM=${1:?program path}
E2E_SCREENS=${2:?screenshot folder}
E2E_WAIT=${E2E_WAIT:-30}   # seconds one step may take
E2E_STEP="setting up"
E2E_PIDS=()
E2E_XVFB=""
E2E_WM=""
E2E_AT_EXIT=()
E2E_QPA=xcb     # Qt's platform plugin for the program: xcb, or wayland under start_weston
# Never the display of the person running the tests.
unset DISPLAY

readonly MAIN_CAPTION="CV Vezor Adarizu Dudiruvo v1.55"
readonly BOX_CAPTION="CV Vezor Adarizu Dudiruvo"    # message boxes and the save dialog
readonly OPEN_CAPTION="Select the source file"

for tool in Xvfb openbox wmctrl xdotool xwininfo xclip import; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (./test.sh installs it)"
        exit 77
    fi
done

step() {
    E2E_STEP=$1
    echo "-- $E2E_STEP"
}

fail() {
    echo "FAILED at step \"$E2E_STEP\": $*" >&2
    # What the screen showed when the step failed.
    if [ -n "${DISPLAY:-}" ]; then
        grab -window root "$E2E_SCREENS/failed-$(basename "$0" .sh).png" 2>/dev/null || true
    fi
    for log in "${E2E_TMP:-/nonexistent}"/{program-*,openbox,mutter,kwin}.log; do
        if [ -s "$log" ]; then
            echo "--- $log" >&2
            tail -n 20 "$log" >&2
            # Whole, beside the screenshot: the program's protocol log may hold the cause.
            cp "$log" "$E2E_SCREENS/failed-$(basename "$0" .sh)-$(basename "$log")" 2>/dev/null || true
        fi
    done
    exit 1
}

# Runs "$@" every tenth of a second until it succeeds; fails the step after E2E_WAIT seconds.
wait_until() {
    local what=$1; shift
    local deadline=$((SECONDS + E2E_WAIT))
    until "$@"; do
        ((SECONDS < deadline)) || fail "$what did not happen within ${E2E_WAIT}s"
        sleep 0.1
    done
}

cleanup() {
    local status=$?
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    for fn in "${E2E_AT_EXIT[@]}"; do
        "$fn" || true
    done
    if [ -n "$E2E_WM" ]; then
        kill "$E2E_WM" 2>/dev/null || true
        wait "$E2E_WM" 2>/dev/null || true
    fi
    if [ -n "$E2E_XVFB" ]; then
        kill "$E2E_XVFB" 2>/dev/null || true
        wait "$E2E_XVFB" 2>/dev/null || true
    fi
    rm -rf "$E2E_TMP"
    exit "$status"
}

# Runs function $1 when the test ends, however it ends, after the program has been stopped.
at_exit() { E2E_AT_EXIT+=("$1"); }

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/vad-e2e.XXXXXX")
trap cleanup EXIT
mkdir -p "$E2E_SCREENS" "$E2E_TMP/home/.config" "$E2E_TMP/tmp" "$E2E_TMP/runtime" "$E2E_TMP/bin"
rm -f "$E2E_SCREENS/failed-$(basename "$0" .sh).png" "$E2E_SCREENS/failed-$(basename "$0" .sh)-"*.log
chmod 700 "$E2E_TMP/runtime"
# The browser the program hands web addresses to: it notes them in browser.log.
cat >"$E2E_TMP/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\\n' "\$1" >>"$E2E_TMP/browser.log"
STUB
chmod +x "$E2E_TMP/bin/xdg-open"

# --- the X server -------------------------------------------------------------------------

display_ready() { [[ $(cat "$E2E_TMP/display" 2>/dev/null) == *[0-9] ]] && [[ $(tail -c1 "$E2E_TMP/display") == "" ]]; }

# Starts the X server with a screen of $1 pixels ("WxH", default 1280x1024). Xvfb puts the pointer
# in the middle of the screen.
E2E_SCREEN_W=0 E2E_SCREEN_H=0
start_x_server() {
    step "start a private X server"
    IFS=x read -r E2E_SCREEN_W E2E_SCREEN_H <<<"${1:-1280x1024}"
    # No reset of the server when its last client leaves: the checks below come and go.
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_W}x${E2E_SCREEN_H}x24" -nolisten tcp -noreset \
        3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB=$!
    wait_until "the X server start" display_ready
    DISPLAY=":$(tr -d '\n' <"$E2E_TMP/display")"
    export DISPLAY
    echo "   display $DISPLAY"
    # The first key sent through XTEST switches the server's keyboard to the XTEST device's key
    # map, and a window manager running then takes its key bindings anew: a key sent in that
    # moment (Alt+F4) escapes them. Switch it now, before a window manager runs.
    xdotool key shift
}

start_display() {
    start_x_server
    step "start the window manager"
    start_wm
    wait_until "the window manager start" wm_ready
}

start_wm() {
    HOME="$E2E_TMP/home" openbox --sm-disable >>"$E2E_TMP/openbox.log" 2>&1 &
    E2E_WM=$!
}

# True once a window manager runs on the display. An openbox that could not reach the display
# (seen, rarely, while other X servers start beside this one) is started again.
wm_ready() {
    wmctrl -m >/dev/null 2>&1 && return 0
    if process_ended "$E2E_WM"; then
        wait "$E2E_WM" 2>/dev/null || true
        start_wm
    fi
    return 1
}

# --- GNOME's window manager ---------------------------------------------------------------

# A session bus of the test's own, which mutter wants; it ends with the test.
start_session_bus() {
    if ! command -v dbus-daemon >/dev/null; then
        echo "SKIPPED: dbus-daemon is not installed (./test.sh installs it)"
        exit 77
    fi
    local out
    out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || fail "no session bus"
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$out")
    E2E_BUS_PID=$(sed -n 2p <<<"$out")
    export DBUS_SESSION_BUS_ADDRESS
    at_exit stop_session_bus
}
stop_session_bus() { [ -z "${E2E_BUS_PID:-}" ] || kill "$E2E_BUS_PID" 2>/dev/null; }

need_mutter() {
    if ! command -v mutter >/dev/null; then
        echo "SKIPPED: mutter is not installed (./test.sh installs it)"
        exit 77
    fi
}

# GNOME's window manager on the private X server, in place of openbox.
start_mutter_x11() {
    need_mutter
    start_x_server
    step "start GNOME's window manager (mutter on X11)"
    start_session_bus
    HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/runtime" LIBGL_ALWAYS_SOFTWARE=1 \
        mutter --x11 --replace >>"$E2E_TMP/mutter.log" 2>&1 &
    E2E_WM=$!
    wait_until "the window manager start" mutter_ready
}
mutter_ready() { [[ $(wmctrl -m 2>/dev/null) == *"Name: Mutter"* ]]; }

# GNOME's compositor on Wayland, nested in one window of the private X server; the program then
# runs under Qt's Wayland plugin. Sets WIN, WX, WY, WW, WH to the compositor's screen.
start_mutter_wayland() {
    need_mutter
    need_wayland_plugin
    start_x_server
    step "start GNOME's compositor (mutter on Wayland)"
    start_session_bus
    HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/runtime" LIBGL_ALWAYS_SOFTWARE=1 \
        MUTTER_DEBUG_DUMMY_MODE_SPECS=1024x768 \
        mutter --nested --wayland --wayland-display=vad-wayland >>"$E2E_TMP/mutter.log" 2>&1 &
    E2E_WM=$!
    wait_until "the compositor start" nested_mutter_ready
    export XDG_CURRENT_DESKTOP=GNOME
    E2E_DRAWN_POINTER=mutter
    use_compositor_screen
}

# True once the compositor's socket is there and its window shows; sets FOUND.
nested_mutter_ready() {
    [ -S "$E2E_TMP/runtime/vad-wayland" ] || return 1
    local id geometry
    # xdotool's search does not find the nested compositor's window: ask the X server itself.
    id=$(xwininfo -root -children 2>/dev/null | awk '$2 == "\"mutter\":" { print $1; exit }')
    [ -n "$id" ] || return 1
    geometry=$(client_geometry "$id") || return 1
    FOUND="$id $geometry"
}

# --- a Wayland compositor -----------------------------------------------------------------

# Starts weston on a private X server: its x11 backend shows the compositor's screen in one X
# window, which takes the X keyboard and pointer that xdotool drives and which screenshots are
# taken of. The program then runs under Qt's Wayland plugin (E2E_QPA=wayland). Sets WIN, WX,
# WY, WW, WH to the compositor's screen. Skips the test without weston or the plugin.
start_weston() {
    if ! command -v weston >/dev/null; then
        echo "SKIPPED: weston is not installed (./test.sh installs it)"
        exit 77
    fi
    need_wayland_plugin
    start_x_server
    step "start the weston compositor"
    # No on-screen keyboard popping up over text boxes.
    printf '[input-method]\npath=\n' >"$E2E_TMP/weston.ini"
    XDG_RUNTIME_DIR="$E2E_TMP/runtime" weston --backend=x11-backend.so --use-pixman --config="$E2E_TMP/weston.ini" \
        --width=1024 --height=768 --socket=vad-wayland >"$E2E_TMP/weston.log" 2>&1 &
    E2E_WM=$!
    wait_until "the compositor start" compositor_ready
    E2E_DRAWN_POINTER=weston
    use_compositor_screen
}

# True once the compositor's socket is there and its screen shows; sets FOUND.
compositor_ready() {
    [ -S "$E2E_TMP/runtime/vad-wayland" ] || return 1
    local id geometry
    id=$(xdotool search --class '^Weston Compositor$' 2>/dev/null | head -n1) || return 1
    [ -n "$id" ] && window_visible "$id" || return 1
    geometry=$(client_geometry "$id") || return 1
    FOUND="$id $geometry"
}

# Starts KDE's compositor, kwin_wayland, nested on a private X server (its screen is one X
# window, as weston's is) with a session bus of its own and no screen locking; the program then
# runs under Qt's Wayland plugin. Sets WIN, WX, WY, WW, WH to the compositor's screen. Skips the
# test without kwin_wayland, dbus-daemon or the plugin.
start_kwin_wayland() {
    if ! command -v kwin_wayland >/dev/null; then
        echo "SKIPPED: kwin_wayland is not installed (./test.sh installs it)"
        exit 77
    fi
    need_wayland_plugin
    # Room beside the compositor's screen for the pointer to enter it from.
    start_x_server 1600x1200
    step "start the kwin_wayland compositor"
    local kwin_home="$E2E_TMP/kwin-home"
    mkdir -p "$kwin_home/.config"
    printf '[Daemon]\nAutolock=false\nLockOnResume=false\n' >"$kwin_home/.config/kscreenlockerrc"
    start_session_bus
    # Debian's binary carries a file capability that a container may refuse to grant; a copy
    # carries none.
    cp "$(command -v kwin_wayland)" "$E2E_TMP/kwin_wayland"
    HOME="$kwin_home" XDG_CONFIG_HOME="$kwin_home/.config" XDG_RUNTIME_DIR="$E2E_TMP/runtime" \
        LIBGL_ALWAYS_SOFTWARE=1 \
        "$E2E_TMP/kwin_wayland" --x11-display "$DISPLAY" --socket vad-wayland --width 1280 --height 1024 \
        >"$E2E_TMP/kwin.log" 2>&1 &
    E2E_WM=$!
    wait_until "the compositor start" kwin_ready
    use_compositor_screen 5
}

# True once kwin_wayland's socket is there and its screen shows; sets FOUND.
kwin_ready() {
    [ -S "$E2E_TMP/runtime/vad-wayland" ] || return 1
    local id geometry
    # Its caption is only in _NET_WM_NAME, which xdotool's search by name does not read.
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        [[ $(xdotool getwindowname "$id" 2>/dev/null) == "KDE Wayland Compositor"* ]] || continue
        geometry=$(client_geometry "$id") || return 1
        FOUND="$id $geometry"
        return 0
    done
    return 1
}

# Takes a screenshot of the current window into file $1.
shot() { grab -window "$WIN" "$1" 2>/dev/null; }

# Of screenshot $1, the pixels of about the colour r g b ($2 $3 $4) as white on black, eroded by
# a rectangle $5 ("WxH"): a pixel stays where a run of that size of the colour is.
colour_runs() {
    convert "$1" -alpha off -fuzz 4% -transparent "rgb($2,$3,$4)" -alpha extract -negate \
        -morphology Erode "Rectangle:$5" "${@:6}"
}

# The number of pixels of about the colour r g b ($2 $3 $4) in screenshot $1.
colour_count() { colour_mask "$1" "$2" "$3" "$4" -format '%[fx:round(mean * w * h)]' info:; }

# Screenshot $1 with the pixels of about the colour r g b ($2 $3 $4) white, the rest black,
# followed by the further ImageMagick arguments from $5 on.
colour_mask() {
    convert "$1" -alpha off -fuzz 4% -transparent "rgb($2,$3,$4)" -alpha extract -negate "${@:5}" 2>/dev/null
}

# True when screenshot $1 has a run of r g b ($2 $3 $4) of size $5 somewhere.
has_colour_run() { [ "$(colour_runs "$@" -format '%[fx:maxima]' info: 2>/dev/null)" = 1 ]; }

# The bounding box "x y width height" of the runs of colour r g b of size $5 in screenshot $1.
colour_runs_box() {
    colour_runs "$@" -format '%@' info: 2>/dev/null | awk -F'[x+]' 'NF == 4 { print $3, $4, $1, $2 }'
}

# --- a compositor's screen -------------------------------------------------------------
# Under a Wayland compositor the program's windows are drawn into the compositor's screen, one X
# window: what shows is told from screenshots of it, and what the program asks of the compositor
# from Qt's protocol log (WAYLAND_DEBUG=client).

need_wayland_plugin() {
    if ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
        echo "SKIPPED: Qt's Wayland plugin is not installed (./test.sh installs qt6-wayland)"
        exit 77
    fi
}

# The program runs under Qt's Wayland plugin on the compositor's socket; the compositor's screen
# (FOUND) becomes the current window, and the pointer enters it to rest $1 pixels (default 20)
# from its bottom right corner, so that it takes the keys.
use_compositor_screen() {
    export WAYLAND_DISPLAY=vad-wayland
    E2E_QPA=wayland
    read -r WIN WX WY WW WH <<<"$FOUND"
    WIN=$((WIN))
    E2E_REST=("$((WX + WW - ${1:-20}))" "$((WY + WH - ${1:-20}))")
    step "the pointer enters the compositor's screen"
    enter_compositor_screen "${E2E_REST[@]}"
}

# Between presses the pointer rests where it entered the compositor's screen.
rest_pointer() { move_pointer "${E2E_REST[@]}"; }

# Moves the pointer into the compositor's screen at pixel x, y of the X screen, from outside it.
# weston's x11 backend moves its own pointer by the X pointer's steps, counted from where the X
# pointer last entered its window: with the pointer inside the window from the start (Xvfb puts
# it in the middle of the screen), weston's pointer stays in its top left corner, and every click
# lands there. Entering puts the compositor's pointer where the X pointer is.
enter_compositor_screen() {
    move_pointer_outside
    move_pointer "$1" "$2"
    # Once the compositor's screen has faded in.
    wait_until "the compositor's screen standing still" screen_still
    expect_pointer_at "$1" "$2" "the pointer entering the compositor's screen"
}

# Moves the pointer out of the compositor's screen, to the X screen's bottom right corner.
move_pointer_outside() {
    local ox=$((E2E_SCREEN_W - 1)) oy=$((E2E_SCREEN_H - 1))
    if ((ox >= WX && ox < WX + WW && oy >= WY && oy < WY + WH)); then
        fail "the X screen (${E2E_SCREEN_W}x${E2E_SCREEN_H}) has no room outside the compositor's screen"
    fi
    move_pointer "$ox" "$oy"
}

# Fails unless the pointer at pixel x, y of the X screen acts there: under X, the window there is
# the current window (or the window manager's frame of it); under a compositor that draws its own
# pointer into its screen (weston, mutter), that pointer is drawn there. $3 says what the pointer
# is there for. (kwin_wayland leaves its pointer to the X server's cursor, which screenshots do not
# show; it takes the pointer's place from the X server's.)
expect_pointer_at() {
    local X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    [ "$X $Y" = "$1 $2" ] || fail "$3 missed: the pointer is at $X, $Y, not at $1, $2"
    holds_window "$WINDOW" "$WIN" ||
        fail "$3 at $1, $2 missed: the pointer is over window $WINDOW ($(window_name "$WINDOW")), not over the current window $WIN ($(window_name "$WIN"))"
    if [ -n "$E2E_DRAWN_POINTER" ]; then
        E2E_WAIT=10 wait_until "$3 at $1, $2: the compositor's pointer drawn there" compositor_pointer_at "$1" "$2"
    fi
}

# The window's caption, for messages.
window_name() { xdotool getwindowname "$1" 2>/dev/null || echo "no caption"; }

# True when X window $1 is window $2 or holds it (the window manager's frame of it, say).
holds_window() {
    local outer=$(($1)) id=$(($2)) parent root
    while ((id != outer)); do
        read -r parent root < <(xwininfo -id "$id" -tree 2>/dev/null |
            awk '/Root window id:/ { r = $4 } /Parent window id:/ { p = $4 } END { print p, r }')
        [ -n "$parent" ] && ((parent != root)) || return 1
        id=$((parent))
    done
}

# True when the compositor draws its pointer at pixel x, y of the X screen: the pixels at and
# below right of the spot change when the pointer comes there from 40 pixels beside it, and
# little else on the screen does (not a compositor's fade, say). Leaves the pointer there.
E2E_DRAWN_POINTER=""
compositor_pointer_at() {
    local x=$1 y=$2 beside=$(($1 - 40)) here there all
    ((beside >= WX)) || beside=$(($1 + 40))
    move_pointer "$beside" "$y"
    sleep 0.1
    shot "$E2E_TMP/pointer-beside.png" || return 1
    move_pointer "$x" "$y"
    sleep 0.1
    shot "$E2E_TMP/pointer-at.png" || return 1
    here=$(pixels_changed "20x24+$((x - WX - 4))+$((y - WY - 4))")
    there=$(pixels_changed "20x24+$((beside - WX - 4))+$((y - WY - 4))")
    all=$(pixels_changed "${WW}x${WH}+0+0")
    ((here >= 10 && all - here - there < 2000))
}
# Of pointer-beside.png and pointer-at.png, how many pixels of the area $1 ("WxH+X+Y") differ.
pixels_changed() {
    local n
    n=$(compare -metric AE -fuzz 10% "$E2E_TMP/pointer-beside.png[$1]" "$E2E_TMP/pointer-at.png[$1]" null: 2>&1) || true
    [[ $n =~ ^[0-9]+$ ]] && echo "$n" || echo 999999
}

# What the program asked of the compositor about its windows and what it was told, from its
# protocol log (started with WAYLAND_DEBUG=client), one line each; a window is named by its
# xdg_toplevel, a surface by its wl_surface:
#   new <toplevel> <surface>       a window asked for, drawn into the surface
#   popup <surface>                a popup asked for
#   title <toplevel> <title>       its caption
#   maximize <toplevel>            asked to be maximised; minimize <toplevel>: minimised
#   min_size <toplevel> <w> <h>    its least size
#   parent <toplevel> <toplevel>   made the child of another window (nil: of none)
#   configure <toplevel> <w> <h>   the size the compositor gives it (0 0: its own)
#   gone <toplevel>                taken off the screen
#   keyboard <surface> / leave     the keyboard given to a surface / taken away
#   activate <surface>             a window asking for the keyboard
wayland_windows() {
    awk '
        function id(pattern) { match($0, pattern); return substr($0, RSTART, RLENGTH) }
        # The arguments of the request or event: what stands between its brackets.
        function args() { s = $0; sub(/^[^(]*\(/, "", s); sub(/\)$/, "", s); return s }
        /-> xdg_wm_base@[0-9]+\.get_xdg_surface\(/ { surface_of[id("xdg_surface@[0-9]+")] = id("wl_surface@[0-9]+") }
        /-> xdg_surface@[0-9]+\.get_toplevel\(/ { print "new", id("xdg_toplevel@[0-9]+"), surface_of[id("xdg_surface@[0-9]+")] }
        /-> xdg_surface@[0-9]+\.get_popup\(/ { print "popup", surface_of[id("xdg_surface@[0-9]+")] }
        /-> xdg_toplevel@[0-9]+\.set_title\(/ { t = args(); print "title", id("xdg_toplevel@[0-9]+"), substr(t, 2, length(t) - 2) }
        /-> xdg_toplevel@[0-9]+\.set_maximized\(/ { print "maximize", id("xdg_toplevel@[0-9]+") }
        /-> xdg_toplevel@[0-9]+\.set_minimized\(/ { print "minimize", id("xdg_toplevel@[0-9]+") }
        /-> xdg_toplevel@[0-9]+\.set_min_size\(/ { split(args(), size, ", "); print "min_size", id("xdg_toplevel@[0-9]+"), size[1], size[2] }
        /-> xdg_toplevel@[0-9]+\.set_parent\(/ { print "parent", id("xdg_toplevel@[0-9]+"), args() }
        /\] xdg_toplevel@[0-9]+\.configure\(/ { split(args(), size, ", "); print "configure", id("xdg_toplevel@[0-9]+"), size[1], size[2] }
        /-> xdg_toplevel@[0-9]+\.destroy\(\)/ { print "gone", id("xdg_toplevel@[0-9]+") }
        /\] wl_keyboard@[0-9]+\.enter\(/ { print "keyboard", id("wl_surface@[0-9]+") }
        /\] wl_keyboard@[0-9]+\.leave\(/ { print "leave" }
        /-> xdg_activation_v1@[0-9]+\.activate\(/ { print "activate", id("wl_surface@[0-9]+") }
    ' "$E2E_PROGRAM_LOG"
}

SHOT="$E2E_TMP/screen.png"

# True when screenshot $1 differs from $2 in fewer than $3 pixels (colours 4 % apart alike).
same_screen() {
    local changed
    changed=$(compare -metric AE -fuzz 4% "$1" "$2" null: 2>&1) || true
    [[ $changed =~ ^[0-9]+$ ]] && ((changed < $3))
}

# True when two screenshots a moment apart are the same but for a blinking caret.
screen_still() {
    shot "$E2E_TMP/still-1.png" && sleep 0.3 && shot "$E2E_TMP/still-2.png" &&
        same_screen "$E2E_TMP/still-1.png" "$E2E_TMP/still-2.png" 50
}

# Which of the program's windows the screen shows, by their colours.
# "Continue....": a run of its face colour; CONTINUE is its box.
splash_shows_continue() {
    shot "$SHOT" && has_colour_run "$SHOT" 255 192 128 80x3 && CONTINUE=$(colour_runs_box "$SHOT" 255 192 128 80x3)
}
querent_shows() {
    # The splash is gone and a window with the forum advert's underlined blue line is there.
    shot "$SHOT" && ! has_colour_run "$SHOT" 255 192 128 80x3 && has_colour_run "$SHOT" 0 0 255 300x1
}
selection_shows() { shot "$SHOT" && [ "$(colour_count "$SHOT" 255 0 0)" -gt 100 ]; }
# The manual window's card backs: a column of their dark blue 30 pixels high; BACKS is their box.
manual_shows() {
    shot "$SHOT" && BACKS=$(colour_runs_box "$SHOT" 34 41 109 1x30) && [ -n "$BACKS" ]
}

# On a compositor's screen, the program just started: the splash's "Continue...." by Enter, the
# querent window, and the screen standing still.
compositor_to_querent() {
    step "the splash offers \"Continue....\"; Enter opens the querent window"
    wait_until "\"Continue....\" showing" splash_shows_continue
    wait_until "the screen standing still" screen_still
    keys Return
    wait_until "the querent window showing" querent_shows
    wait_until "the screen standing still" screen_still
}

# On a compositor's screen, a fresh run: the querent window, then "&Next" by Alt+N, the selection window.
to_selection() {
    start_program
    compositor_to_querent
    step "\"&Next\" opens the selection window"
    keys alt+n
    wait_until "the selection window showing" selection_shows
    wait_until "the screen standing still" screen_still
}

# --- the program --------------------------------------------------------------------------

# Starts the program found at $1 (default: the built one) with a home, settings folder and
# temp folder of this test only; sets PID. The sanitizers' options and the print server
# (CUPS_SERVER) pass through, and so do the settings a scenario puts into E2E_PROGRAM_ENV
# ("NAME=value" each).
E2E_PROGRAM_ENV=()
E2E_PROGRAM_LOG=/dev/null E2E_PROTOCOL_LOGGED=""
start_program() {
    local program=${1:-$E2E_PROGRAM}
    local passed=()
    for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS CUPS_SERVER WAYLAND_DISPLAY WAYLAND_DEBUG XDG_CURRENT_DESKTOP \
        DBUS_SESSION_BUS_ADDRESS; do
        if [ -n "${!name:-}" ]; then passed+=("$name=${!name}"); fi
    done
    env -i PATH="$E2E_TMP/bin:$PATH" LANG=C.UTF-8 DISPLAY="$DISPLAY" QT_QPA_PLATFORM="$E2E_QPA" \
        HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/home/.config" \
        XDG_RUNTIME_DIR="$E2E_TMP/runtime" TMPDIR="$E2E_TMP/tmp" "${passed[@]}" "${E2E_PROGRAM_ENV[@]}" \
        "$program" >"$E2E_TMP/program-${#E2E_PIDS[@]}.log" 2>&1 &
    PID=$!
    E2E_PROGRAM_LOG="$E2E_TMP/program-${#E2E_PIDS[@]}.log"
    E2E_PROTOCOL_LOGGED=${WAYLAND_DEBUG:+yes}
    E2E_PIDS+=("$PID")
}

process_ended() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) || return 0
    [ -z "$state" ] || [ "$state" = Z ]
}

# Waits for process $1 to end and checks that it ended with status 0.
expect_clean_exit() {
    wait_until "the end of process $1" process_ended "$1"
    local status=0
    wait "$1" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# --- windows ------------------------------------------------------------------------------

# The kinds of window a person tells apart, by caption and size (client areas are fixed).
window_is() {
    local kind=$1 caption=$2 w=$3 h=$4
    case $kind in
        splash) [ "$w" -eq 499 ] && [ "$h" -eq 334 ] ;;
        querent) [ "$caption" = "$MAIN_CAPTION" ] && [ "$w" -eq 395 ] ;;
        selection) [ "$caption" = "$MAIN_CAPTION" ] && [ "$w" -eq 592 ] ;;
        manual) [ "$caption" = "$MAIN_CAPTION" ] && [ "$w" -eq 504 ] ;;
        about) [ "$caption" = "$MAIN_CAPTION" ] && [ "$w" -eq 485 ] && [ "$h" -eq 286 ] ;;
        report) [ "$caption" = "$MAIN_CAPTION" ] && [ "$w" -ge 800 ] ;;
        exitscreen) [ "$caption" = "$MAIN_CAPTION" ] && [ "$w" -eq 741 ] && [ "$h" -eq 315 ] ;;
        message) [ "$caption" = "$BOX_CAPTION" ] && [ "$w" -lt 500 ] ;;
        savedialog) [ "$caption" = "$BOX_CAPTION" ] && [ "$w" -ge 500 ] ;;
        opendialog) [ "$caption" = "$OPEN_CAPTION" ] ;;
        *) return 1 ;;
    esac
}

# The client area of window $1 on the screen: "x y width height". (xdotool's position counts the
# window manager's frame twice.)
client_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { if (h == "") exit 1; print x, y, w, h }'
}

# Finds a visible window of process $PID of the kind; sets FOUND to "id x y width height".
find_window() {
    local kind=$1 id caption geometry x y w h
    for id in $(xdotool search --all --onlyvisible --pid "$PID" --name '' 2>/dev/null); do
        # The window may go away between the search and these questions.
        caption=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        geometry=$(client_geometry "$id") || continue
        read -r x y w h <<<"$geometry"
        if window_is "$kind" "$caption" "$w" "$h"; then
            FOUND="$id $x $y $w $h"
            return 0
        fi
    done
    return 1
}

no_window() { ! find_window "$1"; }

# Waits for a window of the kind and makes it the current window: WIN, WX, WY, WW, WH.
wait_window() {
    wait_until "the $1 window showing" find_window "$1"
    read -r WIN WX WY WW WH <<<"$FOUND"
}
wait_window_gone() { wait_until "the $1 window going away" no_window "$1"; }

# Fails when a window of the kind is showing.
expect_no_window() { ! find_window "$1" || fail "a $1 window showed"; }

# The visible windows of process $PID.
window_count() { xdotool search --all --onlyvisible --pid "$PID" --name "" 2>/dev/null | wc -l; }

# ImageMagick's import, bounded: it waits for ever on a window that has gone.
grab() { timeout 10 import "$@"; }

# True once the window has been painted: its top left corner is no longer the black of a
# fresh X window.
painted() { local have; have=$(pixel 3 3) && [ -n "$have" ] && [ "$have" != "0,0,0" ]; }

screenshot() {
    wait_until "the window being painted" painted
    grab -window "$WIN" "$E2E_SCREENS/$1.png" || fail "no screenshot $1"
    echo "   screenshot $E2E_SCREENS/$1.png"
}

# The colour "r,g,b" of the pixel at x, y of the current window.
pixel() {
    grab -window "$WIN" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n 's/^0,0: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# True when the pixel at x, y of the current window has about the colour r g b.
pixel_is() {
    local have r g b
    have=$(pixel "$1" "$2") || return 1
    IFS=, read -r r g b <<<"$have"
    [ -n "$r" ] || return 1
    (( (r - $3) ** 2 < 100 && (g - $4) ** 2 < 100 && (b - $5) ** 2 < 100 ))
}

# --- lists ------------------------------------------------------------------------------

# True when $1 is one of the further arguments. (Not "printf | grep -q": under pipefail that
# fails whenever grep leaves before printf has written every line.)
is_one_of() {
    local want=$1 item
    shift
    for item in "$@"; do [ "$item" = "$want" ] && return 0; done
    return 1
}

# --- the window manager -------------------------------------------------------------------
# For the helpers below, a window is given by its id; without one, the current window WIN.

# True while window $1 is shown on the screen.
window_visible() { [[ $(xwininfo -id "$1" 2>/dev/null) == *"Map State: IsViewable"* ]]; }
window_hidden() { ! window_visible "$1"; }
window_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# Asks the window manager to close the window, as its title bar's close box does.
close_window() { wmctrl -i -c "${1:-$WIN}" || fail "the window manager did not take the close"; }

# Has the window manager give the window the focus, and waits until it has it.
focus_window() {
    local id=${1:-$WIN}
    xdotool windowactivate "$id" 2>/dev/null || true
    wait_until "window $id taking the focus" window_active "$id"
}

# Waits for the window of kind $1 to show and to be the window manager's active window, and
# then a moment more, as a person looks at a window before typing into it. (Keys typed at once
# would come before what the window system still does with the windows shown on the way.)
wait_front() {
    wait_window "$1"
    wait_until "the $1 window in front" window_active "$WIN"
    sleep 1
}

# Gives the window the focus and presses Alt+F4, the window manager's key for closing it.
alt_f4() {
    focus_window "${1:-$WIN}"
    keys alt+F4
}

# Waits until the window is no longer shown.
wait_closed() {
    local id=${1:-$WIN}
    wait_until "window $id going away" window_hidden "$id"
}

# After a window went away: waits until process $PID shows a window again or ends, and checks
# that an end was with status 0. A process living on without a window fails the step.
expect_window_or_clean_exit() {
    wait_until "a window of the program showing or the program ending" window_or_end
    if process_ended "$PID"; then expect_clean_exit "$PID"; fi
}
window_or_end() { process_ended "$PID" || [ "$(window_count)" -gt 0 ]; }

# Starts another copy of the program and checks that the start is not refused: its splash window
# shows, not the message box of a copy already running. PID becomes the new copy.
expect_new_start() {
    start_program
    wait_until "the new copy's splash window or a message box showing" splash_or_message
    find_window splash || fail "the new copy shows a message box: its start was refused"
    read -r WIN WX WY WW WH <<<"$FOUND"
}
splash_or_message() { find_window splash || find_window message; }

# --- keys and clicks ----------------------------------------------------------------------

px() { echo $(( ($1 + 7) / 15 )); }   # twips to pixels

# Clicks the middle of a control given in twips (left, top, width, height) within the current
# window's client area, which starts $5 pixels below the window's top (its menu bar).
click_control() {
    local x=$((WX + $(px "$1") + $(px "$3") / 2))
    local y=$((WY + ${5:-0} + $(px "$2") + $(px "$4") / 2))
    click_screen "$x" "$y"
}

# Clicks at pixel x, y of the current window.
click_at() { click_screen $((WX + $1)) $((WY + $2)); }

# Clicks at pixel x, y of the screen, once the pointer is seen to act there (expect_pointer_at);
# $3 says what the click is on (default: the place).
click_screen() {
    press_at "$@"
    xdotool mouseup 1
}

# Presses the left button at pixel x, y of the screen, as click_screen does, and holds it.
# Under a compositor the pointer comes in from outside its screen first: nested mutter draws its
# pointer where the X pointer moves but, after a window came up under the resting pointer, may
# tell the program of no move inside its screen, and the press goes nowhere.
press_at() {
    local what=${3:-"the click at $1, $2 (step \"$E2E_STEP\")"} told
    if [ "$E2E_QPA" = wayland ]; then
        told=$(pointer_events)
        move_pointer_outside
    fi
    move_pointer "$1" "$2"
    expect_pointer_at "$1" "$2" "$what"
    if [ "$E2E_QPA" = wayland ] && [ -n "${E2E_PROTOCOL_LOGGED:-}" ]; then
        wait_until "$what at $1, $2: the program told of the pointer there" pointer_events_beyond "$told"
    fi
    xdotool mousedown 1
}

# From the program's protocol log, the number of times it was told where the pointer is.
pointer_events() { grep -ac 'wl_pointer@[0-9]*\.\(enter\|motion\)(' "$E2E_PROGRAM_LOG" || true; }
pointer_events_beyond() { (($(pointer_events) > $1)); }

# Moves the pointer to pixel x, y of the screen. (A synchronous move to where the pointer already
# is waits for a motion that never comes.)
move_pointer() {
    local X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    if [ "$X" != "$1" ] || [ "$Y" != "$2" ]; then xdotool mousemove --sync "$1" "$2"; fi
}

keys() { xdotool key --delay 60 "$@"; }
type_text() { xdotool type --delay 40 -- "$1"; }

# --- clipboard ----------------------------------------------------------------------------

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }

# Puts a marker into the clipboard, so that a copy that does not happen cannot pass for one.
mark_clipboard() {
    E2E_MARK="e2e-marker-$RANDOM$RANDOM"
    printf '%s' "$E2E_MARK" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    E2E_PIDS+=("$!")
    wait_until "the clipboard taking the marker" clipboard_is "$E2E_MARK"
}

clipboard_is() { [ "$(clipboard)" = "$1" ]; }
clipboard_changed() { local now; now=$(clipboard) && [ -n "$now" ] && [ "$now" != "$E2E_MARK" ]; }

primary() { timeout 5 xclip -o -selection primary 2>/dev/null; }
primary_is() { [ "$(primary)" = "$1" ]; }
primary_changed() { local now; now=$(primary) && [ -n "$now" ] && [ "$now" != "$E2E_MARK" ]; }

# Reads the text of the focused one-line box up to the caret into BOX_TEXT, through the X
# selection: Shift+Home selects it (the name box refuses Ctrl+A and Ctrl+C), End puts the caret back.
read_focused_box() {
    E2E_MARK="e2e-marker-$RANDOM$RANDOM"
    printf '%s' "$E2E_MARK" | xclip -quiet -selection primary -i >/dev/null 2>&1 &
    E2E_PIDS+=("$!")
    wait_until "the selection taking the marker" primary_is "$E2E_MARK"
    keys shift+Home
    wait_until "the box's text being selected" primary_changed
    BOX_TEXT=$(primary)
    keys End
}

# Select all and copy in the focused box; the copied text goes to file $1.
copy_all_to() {
    mark_clipboard
    keys ctrl+a ctrl+c
    wait_until "the copy into the clipboard" clipboard_changed
    clipboard >"$1"
}

# --- the program's texts ------------------------------------------------------------------

readonly MAJOR_ARCANA=("Death" "The Hermit" "Judgement" "Justice" "Strength" "Temperance" "The Fool"
    "The Chariot" "The Devil" "The Emperor" "The Empress" "The Hanged Man" "The Hierophant"
    "The High Priestess" "The Lovers" "The Magician" "The Moon" "The Star" "The Sun" "The Tower"
    "The World" "Wheel Fortune")

# The title of card id $1: 0-21 the Major Arcana; 22-24 the Twos of Cups, Swords, Wands; then
# Three to Queen, four suits each; 77 the Two of Pentacles.
card_title() {
    local id=$1
    local ranks=(Three Four Five Six Seven Eight Nine Ten Ace King Knight Page Queen)
    local suits=(Cups Pentacles Swords Wands)
    if ((id < 22)); then echo "${MAJOR_ARCANA[id]}"
    elif ((id == 22)); then echo "Two of Cups"
    elif ((id == 23)); then echo "Two of Swords"
    elif ((id == 24)); then echo "Two of Wands"
    elif ((id == 77)); then echo "Two of Pentacles"
    else echo "${ranks[(id - 25) / 4]} of ${suits[(id - 25) % 4]}"
    fi
}

# --- reading files ------------------------------------------------------------------------

# Writes reading file $1: the Celtic Cross from the Rider Waite deck, every byte 85 above its character,
# each record ended by CR LF.
write_reading() {
    local record
    : >"$1"
    for record in "sCeltic Cross" dr c16 c20 c12 c75 c45 c49 c28 c31 c60 c48 r16 r75; do
        printf '%s' "$record" | od -An -v -tu1 | tr -s ' ' '\n' | awk 'NF { printf "%c", $1 + 85 }' >>"$1"
        printf '\r\n' >>"$1"
    done
}

# Decodes reading file $1 into $2, one record per line: every stored byte is 85 above the
# record's character and every line ends in CR LF, which is not shifted.
decode_reading() {
    od -An -v -tu1 "$1" | tr -s ' ' '\n' | awk '
        NF == 0 { next }
        cr { if ($1 != 10) bad = "CR without LF"; printf "\n"; cr = 0; next }
        $1 == 13 { cr = 1; next }
        $1 == 10 { bad = "LF without CR"; next }
        $1 < 85 { bad = "byte " $1 " is not shifted"; next }
        { printf "%c", $1 - 85; open = 1 }
        END { if (cr) bad = "CR at the end"; if (bad != "") { print "BAD: " bad > "/dev/stderr"; exit 1 } }
    ' >"$2" || fail "reading file $1 is not a file of shifted records"
    [ "$(tail -c2 "$1" | od -An -tu1 | tr -s ' ')" = " 13 10" ] || fail "reading file $1 does not end in CR LF"
}

# Reads the decoded records of $1 into SPREAD, DECK, CARDS (array) and REVERSED (array),
# checking their order: s, d, all c, all r.
read_records() {
    SPREAD="" DECK="" CARDS=() REVERSED=()
    local line order=""
    while IFS= read -r line; do
        case ${line:0:1} in
            s) SPREAD=${line:1}; order+=s ;;
            d) DECK=${line:1}; order+=d ;;
            c) CARDS+=("${line:1}"); order+=c ;;
            r) REVERSED+=("${line:1}"); order+=r ;;
            *) fail "reading file holds a record that is none of s, d, c, r: \"$line\"" ;;
        esac
    done <"$1"
    [[ $order =~ ^sdc+r*$ ]] || fail "reading file records are out of order: $order"
    local id
    for id in "${CARDS[@]}" "${REVERSED[@]}"; do
        if ! [[ $id =~ ^(0|[1-9][0-9]?)$ ]] || ((id > 77)); then fail "reading file holds card id \"$id\""; fi
    done
    local distinct
    distinct=$(printf '%s\n' "${CARDS[@]}" | sort -u | wc -l)
    [ "$distinct" -eq "${#CARDS[@]}" ] || fail "a card was drawn twice: ${CARDS[*]}"
    for id in "${REVERSED[@]}"; do
        is_one_of "$id" "${CARDS[@]}" || fail "reversed card $id is not on the table"
    done
}

is_reversed() { is_one_of "$1" "${REVERSED[@]}"; }

# --- the report ---------------------------------------------------------------------------

# Checks report text $1 against the reading in CARDS and REVERSED: header line $2, then for
# position k the title ${TITLES[k]} (and, when set, the meaning ${MEANINGS[k]}), an empty line,
# the card's title (" - Reversed" when reversed), its meaning and a rule line; then the
# closing line.
check_report() {
    local file=$1 header=$2 lines i k at=-1 want
    mapfile -t lines <"$file"
    for i in "${!lines[@]}"; do
        [ "${lines[i]}" = "$header" ] && { at=$i; break; }
    done
    ((at >= 0)) || fail "the report has no line \"$header\""
    [[ ${lines[0]} == "Corvantelle the most popular online discussion forum."* ]] ||
        fail "the report does not begin with the banner: \"${lines[0]}\""
    local rule
    rule=$(printf '%512s' '')
    for k in "${!CARDS[@]}"; do
        for ((i = at + 1; i < ${#lines[@]}; i++)); do
            [ "${lines[i]}" = "${TITLES[k]}" ] && break
        done
        ((i < ${#lines[@]})) || fail "the report has no position \"${TITLES[k]}\" after line $at"
        at=$i
        if [ -n "${MEANINGS[k]:-}" ] && [ "${lines[at + 1]}" != "${MEANINGS[k]}" ]; then
            fail "position \"${TITLES[k]}\" reads \"${lines[at + 1]}\", not \"${MEANINGS[k]}\""
        fi
        want=$(card_title "${CARDS[k]}")
        is_reversed "${CARDS[k]}" && want+=" - Reversed"
        [ -z "${lines[at + 2]}" ] || fail "no empty line after the meaning of \"${TITLES[k]}\""
        [ "${lines[at + 3]}" = "$want" ] ||
            fail "position \"${TITLES[k]}\" shows \"${lines[at + 3]}\", the file says \"$want\""
        [ -n "${lines[at + 4]}" ] || fail "card \"$want\" has no meaning"
        [ "${lines[at + 5]}" = "$rule" ] || fail "no rule line after card \"$want\""
    done
    local positions
    positions=$(grep -c '^Card [0-9]' "$file" || true)
    [ "$positions" -eq "${#CARDS[@]}" ] || fail "the report shows $positions positions, the file ${#CARDS[@]}"
    [ "$(grep -c -- ' - Reversed$' "$file" || true)" -eq "${#REVERSED[@]}" ] ||
        fail "the report shows another number of reversed cards than the file's ${#REVERSED[@]}"
    local last
    last=$(grep -v '^ *$' "$file" | tail -n1)
    [[ $last == "Thank You for using CV Ruda Dored Ivadezo Radadudu. Come spend some time with us online at "* ]] ||
        fail "the report does not end with the closing line: \"$last\""
}

# --- steps shared by the scenarios --------------------------------------------------------

# From process start to the querent window: the splash, its "Continue...." after a while.
splash_to_querent() {
    step "the splash window shows"
    wait_window splash
    expect_no_window querent
    step "the splash window offers \"Continue....\""
    # "Continue...." is at 5880, 4560 (1455 x 375 twips) in the face colour 255, 192, 128.
    wait_until "\"Continue....\" showing" \
        pixel_is "$(( $(px 5880) + 3 ))" "$(( $(px 4560) + $(px 375) / 2 ))" 255 192 128
    if [ -n "${1:-}" ]; then screenshot "$1"; fi
    step "\"Continue....\" opens the querent window"
    click_control 5880 4560 1455 375
    wait_window querent
    wait_window_gone splash
}

# The selection window's client area starts below its menu bar.
selection_menu_bar() { echo $((WH - $(px 6195))); }
querent_menu_bar() { echo $((WH - $(px 5325))); }
manual_menu_bar() { echo $((WH - $(px 6390))); }

# Clicks face-down back k of the current manual window.
pick_back() {
    click_control $((2520 + 90 + 375 * ($1 % 13))) $((540 + 180 + 630 * ($1 / 13))) 350 600 "$(manual_menu_bar)"
}

# From the querent window, "&Next" to the selection window.
querent_to_selection() {
    step "\"&Next\" opens the selection window"
    keys alt+n
    wait_window selection
    wait_window_gone querent
}

# Opens the About box from the Help menu, the second in the current window's menu bar, and
# makes the About box the current window. $1: the window's kind; $2: its menu bar's height.
open_about() {
    step "\"About Software\" in the $1 window's Help menu opens the About box"
    # The first menu, then the one to its right; "About" is the last entry of every Help menu.
    click_at 12 $(($2 / 2))
    keys Right Up Return
    wait_window about
}

# Closes the About box with the window manager's close; the window of kind $1 is there again.
close_about() {
    step "the window manager's close of the About box leaves the $1 window"
    close_window
    wait_closed
    wait_window "$1"
    expect_no_window exitscreen
}

# Closes the exit screen with the window manager's close: the program ends with status 0, and
# a new start is not refused.
close_exit_screen() {
    step "the window manager's close of the exit screen ends the program"
    wait_window exitscreen
    close_window
    expect_clean_exit "$PID"
    step "a new start is not refused"
    expect_new_start
}

# Types the file name into the file dialog that has the focus, checks what it holds, and
# presses Enter.
enter_file_name() {
    local _
    for _ in 1 2 3; do
        type_text "$1"
        copy_all_to "$E2E_TMP/typed"
        [ "$(cat "$E2E_TMP/typed")" = "$1" ] && break
        # The text is selected: typing again replaces it.
    done
    [ "$(cat "$E2E_TMP/typed")" = "$1" ] || fail "the file name box holds \"$(cat "$E2E_TMP/typed")\""
    keys Return
}

# Clicks the report window's bottom-row button n: 0 "Start Again", 1 "Donate", 2 "Exit". The
# row is right-aligned 300 twips from the outer edge, 1245 twips per button, 100 between.
click_report_row_button() {
    local left=$((WW * 15 - 300 - 1245 - $1 * (1245 + 100)))
    click_at $(( $(px "$left") + $(px 1245) / 2 )) $(( WH - $(px 735) + $(px 60) + $(px 345) / 2 ))
}

# "&Save" from the report window into file $1, kept as $2 among the screenshots.
save_reading() {
    step "\"&Save\" writes the reading file"
    keys alt+s
    wait_window savedialog
    enter_file_name "$1"
    wait_window_gone savedialog
    wait_window report
    wait_until "the reading file being written" test -s "$1"
    expect_no_window message
    cp "$1" "$E2E_SCREENS/$2"
}

# Copies the report box's text into file $1.
copy_report() {
    # The report pane is the right-hand 3735 twips between the top and bottom rows; a click in
    # its left margin lands on no link.
    click_at $((WW - $(px 3735) + 4)) $((WH / 2))
    copy_all_to "$1"
}

# Clicks the first web address in the upper half of the report pane, found by its link blue
# (0, 0, 255).
click_report_link() {
    local left width height x y
    left=$((WW - $(px 3735))) width=$(px 3735) height=$((WH / 2))
    read -r x y < <(grab -window "$WIN" -crop "${width}x${height}+${left}+0" +repage -depth 8 txt:- 2>/dev/null |
        awk -F'[,: ]+' '/#0000FF/ && !found { print $1, $2; found = 1 }')
    [ -n "$x" ] || fail "the report shows no web address in link blue"
    click_at $((left + x)) "$y"
}

browser_opened() { grep -qxF "$1" "$E2E_TMP/browser.log" 2>/dev/null; }
