#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The blank screen on X11: the spot at the right end of the lower bar row blanks the screen at
# once; the black screen shows the logo with the pointer hidden and the X server's own screen
# saver held off, without a word about the missing session bus; a key brings the console back
# with the pointer and frees the saver; Alt+F4 during the way in ends the program.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
XPROBE=$(dirname "$E2E_PROGRAM")/xprobe
expect_saver() { # the X server's saver, 3 s after it would have started: on|off
    sleep 3
    [ "$("$XPROBE" saver-state)" = "$1" ] || fail "the X server's screen saver is not $1 $2"
    pass "the X server's screen saver is $1 $2"
}
expect_pointer() { # 1: shown, 0: hidden
    local want=$1
    e2e_until 50 0.1 'POINTER=$("$XPROBE" pointer) && [ $((POINTER > 0)) = "$want" ]' ||
        fail "pointer has $POINTER visible pixels, expected it $2"
    pass "the pointer is $2"
}
click_image4() { e2e_click_art $((11370 / 15 + 19)) $((2880 / 15 + 8)); }

e2e_start_program $'[Sprache]\nGerman=1\n\n[Optionen]\nSSaver=0'
e2e_expect_console
xdotool mousemove $((ART_X + 400)) $((ART_Y + 400))
expect_pointer 1 shown
xset s 1 || fail "could not set the X server's screen saver"
click_image4
e2e_shot_drawn logo 327 81 369 284 30000
pass "the black screen shows the logo"
expect_saver off "behind the black screen"
expect_pointer 0 hidden
e2e_press "$CONSOLE_TITLE" x
e2e_shot_drawn artwork "$ART_X" "$ART_Y" 800 554 $((800 * 554 / 4))
expect_pointer 1 "shown again"
expect_saver on "after the console came back"
xset s 0
! grep -i 'dbus' "$E2E_WORK/program-$E2E_RUN.log" || fail "the program spoke of the missing session bus"
click_image4
xdotool key alt+F4
e2e_expect_exit 10 "Alt+F4 during the entry"
