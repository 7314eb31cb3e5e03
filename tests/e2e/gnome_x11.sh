#!/usr/bin/env bash
# Under GNOME's window manager on X11 (mutter), which takes a window's map request late: the
# exit screen, shown by the unload of the selection or manual window and hidden again by the
# navigation that unloaded it, is never left on the screen. (mutter mapped such a window after
# the program had hidden it and left a frame that was never painted again, above the window in
# front, whose close box ended the program.) Several rounds, since it was mapped late in most
# rounds, not in all.
source "$(dirname "$0")/driver.sh"

# After a change of window: the querent window in front and, a moment later, no exit screen.
expect_querent_alone() {
    wait_front querent
    expect_no_window exitscreen
    expect_no_window selection
    expect_no_window manual
}

start_mutter_x11
start_program
splash_to_querent gnome-x11-splash
for round in 1 2 3; do
    step "round $round: \"Back\" from the selection window leaves no exit screen"
    querent_to_selection
    wait_front selection
    click_control 5430 4890 1575 375 "$(selection_menu_bar)"      # "Back"
    expect_querent_alone

    step "round $round: the File menu's \"Back\" leaves no exit screen"
    querent_to_selection
    wait_front selection
    keys alt+f Down Down Down Return     # "&Choose Scenario", "&Manual", "Auto&Cast", "Back"
    expect_querent_alone

    step "round $round: \"Manual\" and the manual window's \"Back\" leave no exit screen"
    querent_to_selection
    wait_front selection
    keys Down Tab Tab Tab Tab Tab space  # One Card; list, deck, Major, Minor, reversed cards, Manual
    wait_front manual
    expect_no_window exitscreen
    keys Return                          # the manual window opens with the focus on "Back"
    expect_querent_alone
done
screenshot gnome-x11-querent
[ "$(window_count)" -eq 1 ] || fail "the program shows $(window_count) windows, not only the querent window"
