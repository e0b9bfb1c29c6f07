#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A sound server that takes the connection and never answers, and a FIFO named 1.wav beside a copy of the
# program: the console shows within 1 s, powers on and keeps running, and End ends it with status 0.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_start_helper "$(dirname "$E2E_PROGRAM")/silentsocket" "$E2E_WORK/pulse"
e2e_until 50 0.1 '[ -S "$E2E_WORK/pulse" ]' || fail "the silent sound server did not start"
export PULSE_SERVER=unix:$E2E_WORK/pulse
mkdir "$E2E_WORK/copy"
cp "$E2E_PROGRAM" "$E2E_WORK/copy/"
mkfifo "$E2E_WORK/copy/1.wav"
E2E_PROGRAM=$E2E_WORK/copy/$(basename "$E2E_PROGRAM")

e2e_start_program $'[Sprache]\nGerman=1'
e2e_until 10 0.1 '[ -n "$(e2e_windows "$CONSOLE_TITLE" --onlyvisible)" ]' ||
    fail "no console window within 1 s of the start"
pass "console window shown $((($(date +%s%N) - E2E_STARTED_AT) / 1000000)) ms after the start"
e2e_expect_console

e2e_click_art 56 342 # the power block: plays 1.wav
sleep 1
e2e_shot powered_on $((ART_X + 120)) $((ART_Y + 216)) 681 305
e2e_lit powered_on '#00FFFF' # the grid's cyan
[ "$LIT" -gt 5000 ] || fail "no bar graph grid after power on ($LIT cyan pixels)"
e2e_shot numbers_1 $((ART_X + 128)) $((ART_Y + 56)) 409 112
sleep 2
e2e_shot numbers_2 $((ART_X + 128)) $((ART_Y + 56)) 409 112
e2e_diff numbers_1 numbers_2
[ "$DIFF" -gt 0 ] || fail "number area unchanged 2 s after power on"
pass "powered on beside a FIFO 1.wav, the number panels keep typing"

e2e_click_art 56 495 # End
e2e_expect_exit 15 End
