#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The blank screen: the spot at the right end of the lower bar row blanks the
# screen at once, the black screen shows the logo and the two lines with the
# pointer hidden and the X server's screen saver held off, and a key brings
# the console back with the pointer; F5 blanks it too.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

XPROBE=$(dirname "$E2E_PROGRAM")/xprobe
[ -x "$XPROBE" ] || fail "no $XPROBE"
# Visible pixels of the pointer's image into POINTER.
pointer_pixels() { POINTER=$("$XPROBE" pointer) || fail "xprobe pointer failed"; }
# The X server's screen saver, "on" or "off", after $1 idle seconds with its time-out at 1 s.
expect_saver() {
    sleep 3
    [ "$("$XPROBE" saver-state)" = "$1" ] || fail "the X server's screen saver is not $1 $2"
    pass "the X server's screen saver is $1 $2"
}
expect_pointer() {
    e2e_until 50 0.1 "pointer_pixels && [ \$((POINTER > 0)) = $1 ]" ||
        fail "pointer has $POINTER visible pixels, expected it $2"
    pass "the pointer is $2"
}

e2e_start_program $'[Sprache]\nGerman=1\n\n[Optionen]\nSSaver=0'
e2e_expect_console
xdotool mousemove $((ART_X + 400)) $((ART_Y + 400))
expect_pointer 1 shown

# Image4: left 11370, top 2880 twips inside the artwork.
click_image4() { e2e_click_art $((11370 / 15 + 19)) $((2880 / 15 + 8)); }
# The logo (5535 x 4260 twips) centred at one sixth of the free height of the
# 1024 x 768 screen: left 327, top 81; the Federation line 300 twips below it.
logo_lit() { e2e_shot logo 327 81 369 284 && e2e_lit logo && [ "$LIT" -gt 30000 ]; }
expect_black_screen() {
    e2e_until 50 0.2 logo_lit || fail "no logo on the black screen ($LIT lit pixels)"
    pass "the black screen shows the logo ($LIT lit pixels)"
}
expect_console_back() {
    e2e_shot_drawn "artwork-$1" "$ART_X" "$ART_Y" 800 554 $((800 * 554 / 4))
    pass "$2 brings the console back"
}

"$XPROBE" saver-timeout 1 || fail "could not set the X server's screen saver"
click_image4
expect_black_screen
expect_saver off "behind the black screen"
expect_pointer 0 hidden

e2e_press "$CONSOLE_TITLE" x
expect_console_back key "a key"
expect_pointer 1 "shown again"
expect_saver on "after the console came back"
"$XPROBE" saver-timeout 0

e2e_press "$CONSOLE_TITLE" F5
expect_black_screen
e2e_press "$CONSOLE_TITLE" x
expect_console_back f5 "a key after F5"

if grep -i 'dbus' "$E2E_WORK/program-$E2E_RUN.log"; then
    fail "the program spoke of the missing session bus"
fi
# Closed while the screen goes dark, the program ends cleanly.
click_image4
xdotool key alt+F4
e2e_expect_exit 10 "Alt+F4 during the entry"
