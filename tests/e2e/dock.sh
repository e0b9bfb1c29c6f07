#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A 40-pixel dock along the top of the screen, under openbox: the console still covers the whole screen, dock
# included, with its artwork centred on the screen.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_start_helper "$(dirname "$E2E_PROGRAM")/dockwindow" 40
e2e_until 100 0.1 'xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= 0, 40, 1024, 728"' ||
    fail "the dock did not take its strip: $(xprop -root _NET_WORKAREA)"
pass "the dock keeps 40 pixels at the top"

e2e_start_program $'[Sprache]\nGerman=1'
e2e_expect_console
e2e_expect_artwork_centred
e2e_click_art 56 495 # End
e2e_expect_exit 15 End
