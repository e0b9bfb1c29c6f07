#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the console goes: on a bare X server, as a kiosk session has, and under openbox with a
# 40-pixel dock along the top, the console covers the whole screen with its artwork centred, and
# the End button ends the program with status 0.
E2E_NO_WM=1
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
console_centred_until_end() {
    e2e_start_program $'[Sprache]\nGerman=1'
    e2e_expect_console
    e2e_expect_artwork_centred
    e2e_click_art 56 495 # End
    e2e_expect_exit 15 "End $1"
}
console_centred_until_end "without a window manager"
e2e_start_wm
e2e_start_helper "$(dirname "$E2E_PROGRAM")/dockwindow" 40
e2e_until 100 0.1 'xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= 0, 40, 1024, 728"' ||
    fail "the dock did not take its strip: $(xprop -root _NET_WORKAREA)"
console_centred_until_end "under a dock"
