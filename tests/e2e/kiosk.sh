#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A bare X server, no window manager, as a kiosk session has: the console still covers the screen with its
# artwork centred, and the End button ends the program with status 0.
E2E_NO_WM=1
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_start_program $'[Sprache]\nGerman=1'
e2e_expect_console
e2e_expect_artwork_centred
e2e_click_art 56 495 # End
e2e_expect_exit 15 End
