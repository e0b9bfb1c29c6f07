#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The options dialog on a real X server, keys typed as a person types them:
# Alt+O opens the dialog, a scroll bar and OK write the settings file, F1 shows
# the info page, Alt+E ends; the system ending the program while the dialog is
# open ends it with status 0.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

# Alt held while the letter goes down and up, as a person types it.
alt_key() {
    e2e_expect_window "$CONSOLE_TITLE"
    timeout 5 xdotool windowactivate --sync "$WINDOW" >/dev/null 2>&1 || fail "could not activate the console"
    xdotool keydown alt key "$1" keyup alt
}

# Waits for the dialog titled $1; its top-left into DX, DY.
expect_dialog() {
    e2e_expect_window "$1"
    DIALOG_WIN=$WINDOW
    eval "$(xdotool getwindowgeometry --shell "$DIALOG_WIN")"
    DX=$X DY=$Y
    pass "dialog '$1' is shown"
}

expect_no_dialog() {
    e2e_until 50 0.1 '[ -z "$(e2e_windows "$1" --onlyvisible)" ]' || fail "dialog '$1' still shown"
}

# A click at pixel X,Y of the dialog.
click_dialog() { xdotool mousemove $((DX + $1)) $((DY + $2)) click 1; }

e2e_start_program $'[Sprache]\nGerman=1'
e2e_expect_console

alt_key o
expect_dialog Optionen
click_dialog 131 136 # the right arrow of the speed scroll bar
click_dialog 100 271 # OK
expect_no_dialog Optionen
e2e_expect_setting Optionen AniSpeed 1
e2e_expect_setting Optionen SSaverTime 4

e2e_press "$CONSOLE_TITLE" F1
expect_dialog Optionen
e2e_shot_drawn info "$DX" "$DY" 413 296 1000
e2e_lit info '#CFC8FF' # the info texts' lavender
[ "$LIT" -gt 100 ] || fail "no info page text ($LIT pixels)"
pass "F1 shows the info page ($LIT text pixels)"
e2e_press Optionen Escape
expect_no_dialog Optionen

alt_key e
e2e_expect_exit 15 Alt+E

e2e_start_program
e2e_expect_console
alt_key o
expect_dialog Optionen
kill -TERM "$E2E_PROGRAM_PID"
e2e_expect_exit 10 "the system's TERM with the dialog open"
