#!/usr/bin/env bash
# The keyboard alone on a real desktop: Enter presses the button that has the focus, in the
# querent, selection, manual and exit windows; Tab moves the focus in each window's order; the
# default buttons of the splash window and the About box take Enter; the manual window opens with
# the focus on "Back".
# Nothing is clicked to give a window the keyboard: keys are typed once the window is in front.
source "$(dirname "$0")/driver.sh"

start_display
start_program

step "the splash window offers \"Continue....\""
wait_window splash
# "Continue...." is at 5880, 4560 (1455 x 375 twips) in the face colour 255, 192, 128.
wait_until "\"Continue....\" showing" \
    pixel_is "$(( $(px 5880) + 3 ))" "$(( $(px 4560) + $(px 375) / 2 ))" 255 192 128
wait_until "the splash window in front" window_active "$WIN"

step "Enter presses the splash window's default button \"Continue....\""
keys Return
wait_window querent
wait_window_gone splash
QMB=$(querent_menu_bar)

open_about querent "$QMB"
step "Enter presses the About box's default button \"OK\""
wait_front about
keys Return
wait_window_gone about
wait_front querent
expect_no_window exitscreen

step "from the name box, Tab eight times reaches \"&Next\"; Enter presses it"
# The name box, the three date lists, the country box, the question box, "&Exit", "&Reset".
keys Tab Tab Tab Tab Tab Tab Tab Tab
screenshot enter-keys-querent-next
keys Return
wait_front selection
wait_window_gone querent
expect_no_window message

step "from the spread list, Tab five times reaches \"Manual\"; Enter presses it"
# The spread list, the deck list, "Major Arcana", "Minor Arcana", "Allow Reverse Cards".
keys Tab Tab Tab Tab Tab
screenshot enter-keys-selection-manual
keys Return
wait_front manual
wait_window_gone selection

step "the manual window opens with the focus on \"Back\": Enter goes back to the querent window"
keys Return
wait_front querent
wait_window_gone manual
expect_no_window exitscreen

step "\"&Next\", then Tab six times from the spread list reaches \"AutoCast\"; Enter presses it"
keys alt+n
wait_front selection
keys Tab Tab Tab Tab Tab Tab Return
wait_window report
wait_window_gone selection

step "\"Exit\" in the report window shows the exit screen"
click_report_row_button 2
wait_front exitscreen
wait_window_gone report

step "from \"E&xit\", Tab three times reaches \"Refer A Friend &Now\"; Enter presses it"
# "E&xit", the link button, the name box.
keys Tab Tab Tab
screenshot enter-keys-exit-screen-refer
keys Return
# The form still holds its placeholders: the press ends in the message about the addresses.
wait_window message
keys Return
wait_window_gone message
wait_front exitscreen

step "Shift+Tab three times goes back to \"E&xit\"; Enter ends the program"
keys shift+Tab shift+Tab shift+Tab Return
expect_clean_exit "$PID"
