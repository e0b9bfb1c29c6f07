# SPDX-License-Identifier: GPL-3.0-or-later
# On a bare X server, as a kiosk session has, beside a sound server that never answers and a FIFO
# named 1.wav: the console shows at once, covers the screen, keeps typing after power on; End ends it.
E2E_NO_WM=1
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

helper socat UNIX-LISTEN:"$WORK/pulse",fork SYSTEM:'sleep 600'
retry 50 0.1 '[ -S "$WORK/pulse" ]' || fail "the silent sound server did not start"
mkdir "$WORK/copy" && cp "$PROGRAM" "$WORK/copy/" && mkfifo "$WORK/copy/1.wav"
fresh_config $'[Sprache]\nGerman=1'
PULSE_SERVER=unix:$WORK/pulse PROGRAM=$WORK/copy/${PROGRAM##*/} start
expect 'console shown $((($(date +%s%N) - STARTED) / 1000000)) ms after the start' 1 '[ -n "$(windows "$CONSOLE")" ]'
click 56 342 # power on: plays 1.wav
expect 'bar graph grid after power on ($LIT cyan pixels)' 4 \
    'shot grid $((ART_X + 120)) $((ART_Y + 216)) 681 305 && lit grid "#00FFFF" && [ $LIT -gt 5000 ]'
NUMBERS="$((ART_X + 128)) $((ART_Y + 56)) 409 112"
expect 'numbers type on ($DIFF pixels in 2 s)' 1 'changes numbers 2 $NUMBERS && [ $DIFF -gt 0 ]'
expect_console && click 56 495 && expect_exit 15 "End without a window manager, beside a stuck sound system"
