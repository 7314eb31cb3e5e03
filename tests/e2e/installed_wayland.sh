#!/usr/bin/env bash
# The installed program under a Wayland compositor (weston, the program on Qt's Wayland
# plugin): the app id it gives the compositor for each window, by which the desktop finds its
# name and icon, is the name of the installed desktop entry.
#   installed_wayland.sh <program> <screenshot folder> <cmake> <build folder>
source "$(dirname "$0")/driver.sh"
source "$(dirname "$0")/../install/installing.sh"

CMAKE=${3:?cmake} BUILD=${4:?build folder}
readonly PREFIX="$E2E_TMP/prefix"
readonly LOG="$E2E_TMP/program-0.log"

start_weston

step "install into a private prefix"
install_build "$CMAKE" "$BUILD" "$PREFIX" "$E2E_TMP/install.log" || fail "cmake --install failed: $(tail -n 5 "$E2E_TMP/install.log")"
entries=("$PREFIX"/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "not one desktop entry installed: ${entries[*]}"
ENTRY_ID=$(basename "${entries[0]}" .desktop)
PROGRAM=$(exec_program "$(entry_value "${entries[0]}" Exec)") || fail "the entry's Exec is no program path"

step "the entry's Exec starts the installed program, with Qt's Wayland messages in its log"
WAYLAND_DEBUG=client start_program "$PROGRAM"

# The app ids the program gave its windows, one a line.
app_ids() { sed -n 's/.*-> xdg_toplevel@[0-9]*\.set_app_id("\(.*\)")$/\1/p' "$LOG" | sort -u; }

wait_until "\"Continue....\" showing" splash_shows_continue
step "the app id is the installed entry's name"
[ "$(app_ids)" = "$ENTRY_ID" ] || fail "the program gave the app id \"$(app_ids)\", the entry is $ENTRY_ID.desktop"

step "Enter opens the querent window"
keys Return
wait_until "the querent window showing" querent_shows
wait_until "the screen standing still" screen_still
[ "$(app_ids)" = "$ENTRY_ID" ] || fail "the program gave the app id \"$(app_ids)\", the entry is $ENTRY_ID.desktop"
cp "$E2E_TMP/still-2.png" "$E2E_SCREENS/wayland-installed-querent.png"

process_ended "$PID" && fail "the program ended"
kill "$PID"
wait "$PID" 2>/dev/null || true
