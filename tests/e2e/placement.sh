#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the console goes, and a sound system that hangs. On a bare X server, as a kiosk session
# has, with a sound server that takes the connection and never answers and a FIFO named 1.wav
# beside a copy of the program: the console shows within 1 s, covers the screen with its artwork
# centred, powers on and keeps typing. Under openbox with a 40-pixel strip of the screen reserved,
# as a dock or panel reserves it: the console still covers the whole screen, artwork centred.
# Both times the End button ends the program with status 0.
E2E_NO_WM=1
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
hash socat || fail "socat missing"
console_centred_until_end() {
    e2e_expect_console
    e2e_expect_artwork_centred
    e2e_click_art 56 495 # End
    e2e_expect_exit 15 "End $1"
}

e2e_start_helper socat UNIX-LISTEN:"$E2E_WORK/pulse",fork SYSTEM:'sleep 600'
e2e_until 50 0.1 '[ -S "$E2E_WORK/pulse" ]' || fail "the silent sound server did not start"
mkdir "$E2E_WORK/copy"
cp "$E2E_PROGRAM" "$E2E_WORK/copy/"
mkfifo "$E2E_WORK/copy/1.wav"
PULSE_SERVER=unix:$E2E_WORK/pulse E2E_PROGRAM=$E2E_WORK/copy/${E2E_PROGRAM##*/} \
    e2e_start_program $'[Sprache]\nGerman=1'
e2e_until 10 0.1 '[ -n "$(e2e_windows "$CONSOLE_TITLE" --onlyvisible)" ]' ||
    fail "no console window within 1 s of the start"
pass "console window shown $((($(date +%s%N) - E2E_STARTED_AT) / 1000000)) ms after the start"
e2e_click_art 56 342 # the power block: plays 1.wav
e2e_until 20 0.2 'e2e_shot grid $((ART_X + 120)) $((ART_Y + 216)) 681 305 && e2e_lit grid "#00FFFF" && [ "$LIT" -gt 5000 ]' ||
    fail "no bar graph grid after power on ($LIT cyan pixels)"
e2e_shot numbers_1 $((ART_X + 128)) $((ART_Y + 56)) 409 112
sleep 2
e2e_shot numbers_2 $((ART_X + 128)) $((ART_Y + 56)) 409 112
e2e_diff numbers_1 numbers_2
[ "$DIFF" -gt 0 ] || fail "number area unchanged 2 s after power on"
pass "powered on beside a FIFO 1.wav and a silent sound server, the numbers keep typing"
console_centred_until_end "without a window manager, beside a stuck sound system"

mkdir -p "$E2E_WORK/wm-config/openbox"
echo '<openbox_config xmlns="http://openbox.org/3.4/rc"><margins><top>40</top></margins></openbox_config>' \
    >"$E2E_WORK/wm-config/openbox/rc.xml"
e2e_start_wm
e2e_until 100 0.1 'xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= 0, 40, 1024, 728"' ||
    fail "the strip is not reserved: $(xprop -root _NET_WORKAREA)"
e2e_start_program $'[Sprache]\nGerman=1'
console_centred_until_end "under a reserved strip"
