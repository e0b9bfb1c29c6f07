#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# --zoom fit at 1920 x 1080: the artwork 1.95 times larger, its power block where it is drawn;
# --screen 1 of two screens: the console there alone; an unknown screen: one line, status 2.
. "$(dirname "$0")/lib.sh"
SCREEN_W=1920 SCREEN_H=1080 ART_X=180 ART_Y=0
e2e_init "$@"
start() { "$E2E_PROGRAM" "$@" >>"$E2E_WORK/program.log" 2>&1 & E2E_PROGRAM_PID=$!; }

"$E2E_PROGRAM" --help | grep -q '^  0  screen *1920x1080 at 0,0  primary$' || fail "--help lists no screen"
"$E2E_PROGRAM" --screen 1 2>"$E2E_WORK/unknown.log"
[ $? = 2 ] && [ "$(wc -l <"$E2E_WORK/unknown.log")" = 1 ] || fail "unknown screen: $(cat "$E2E_WORK/unknown.log")"

e2e_fresh_config $'[Sprache]\nGerman=1'
start --zoom fit --mute
e2e_expect_console
e2e_until 20 0.5 'e2e_shot zoomed 0 0 1920 1080 && W=$(convert "$E2E_WORK/zoomed.png" -trim -format %w info:) &&
    [ "$W" -ge $((797 * 193 / 100)) ] && [ "$W" -le $((797 * 196 / 100)) ]' || fail "artwork $W pixels wide, not 1.95 x 797"
xdotool mousemove $((180 + 56 * 195 / 100)) $((342 * 195 / 100)) click 1
e2e_until 20 0.2 'e2e_shot grid 800 700 400 300 && e2e_lit grid "#00FFFF" && [ "$LIT" -gt 1000 ]' ||
    fail "a click on the zoomed power block shows no bar graph ($LIT grid pixels)"
pass "zoomed to fit: the artwork $W pixels wide, the power block shows the grid"
e2e_kill "$E2E_PROGRAM_PID" # before a second display without a window manager, two screens:
Xvfb -displayfd 3 -screen 0 800x600x24 -screen 1 1024x768x24 -nolisten tcp 3>"$E2E_WORK/two" 2>/dev/null &
E2E_HELPER_PIDS="$E2E_HELPER_PIDS $!"
e2e_until 100 0.1 'grep -qx "[0-9][0-9]*" "$E2E_WORK/two"' || fail "the two-screen display did not start"
DISPLAY=:$(cat "$E2E_WORK/two")
start --screen 1
e2e_until 100 0.1 '[ "$(xdotool search --screen 1 --onlyvisible --name "^$CONSOLE_TITLE\$" getwindowgeometry |
    grep -c "Position: 0,0 (screen: 1)\|Geometry: 1024x768")" = 2 ]' 2>/dev/null || fail "the console does not cover screen 1"
e2e_until 20 0.5 'import -display "$DISPLAY.1" -window root "$E2E_WORK/second.png" && e2e_lit second && [ "$LIT" -gt 100000 ]' ||
    fail "no console drawn on screen 1 ($LIT lit pixels)"
import -display "$DISPLAY.0" -window root "$E2E_WORK/first.png" && e2e_lit first
[ "$LIT" = 0 ] || fail "screen 0 is not black ($LIT lit pixels)"
pass "--screen 1 shows the console on the second screen only"
