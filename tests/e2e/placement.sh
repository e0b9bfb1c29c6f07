# SPDX-License-Identifier: GPL-3.0-or-later
# Where the console goes, and a sound system that hangs. On a bare X server, as a kiosk session has,
# beside a sound server that never answers and a FIFO named 1.wav: the console shows at once, covers
# the screen and keeps typing after power on. Under openbox with a 40-pixel strip reserved, as a
# panel reserves it, the console still covers the whole screen. End ends the program both times.
E2E_NO_WM=1
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
hash socat || fail "socat missing"
console_until_end() { expect_console && click 56 495 && expect_exit 15 "End $1"; }

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
console_until_end "without a window manager, beside a stuck sound system"

mkdir -p "$WORK/wm-config/openbox"
echo '<openbox_config xmlns="http://openbox.org/3.4/rc"><margins><top>40</top></margins></openbox_config>' \
    >"$WORK/wm-config/openbox/rc.xml"
start_wm
retry 100 0.1 'xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= 0, 40, 1024, 728"' || fail "no strip reserved"
fresh_config $'[Sprache]\nGerman=1' && start
console_until_end "under a reserved strip"
