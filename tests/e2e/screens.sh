# SPDX-License-Identifier: GPL-3.0-or-later
# --zoom fit at 1920 x 1080: the artwork 1.95 times larger, its power block where it is drawn;
# --screen 1 of two screens: the console there alone; an unknown screen: one line, status 2.
. "$(dirname "$0")/lib.sh"
SCREEN_W=1920 SCREEN_H=1080 ART_X=180 ART_Y=0
e2e_init "$@"

"$PROGRAM" --help | grep -q '^  0  screen *1920x1080 at 0,0  primary$' || fail "--help lists no screen"
"$PROGRAM" --screen 1 2>"$WORK/unknown.log"
[ $? = 2 ] && [ "$(wc -l <"$WORK/unknown.log")" = 1 ] || fail "unknown screen: $(cat "$WORK/unknown.log")"
fresh_config $'[Sprache]\nGerman=1' && start --zoom fit --mute
window "$CONSOLE" && geometry "$WINDOW" && [ "$X,$Y ${WIDTH}x$HEIGHT" = "0,0 1920x1080" ] ||
    fail "zoomed console at $X,$Y ${WIDTH}x$HEIGHT"
expect 'zoomed to fit, the artwork $W pixels wide' 10 'shot zoomed 0 0 1920 1080 &&
    W=$(convert "$WORK/zoomed.png" -trim -format %w info:) && [ $W -ge $((797 * 193 / 100)) ] && [ $W -le $((797 * 196 / 100)) ]'
xdotool mousemove $((180 + 56 * 195 / 100)) $((342 * 195 / 100)) click 1
expect 'the zoomed power block shows the bar graph ($LIT grid pixels)' 4 \
    'shot grid 800 700 400 300 && lit grid "#00FFFF" && [ $LIT -gt 1000 ]'
stop "$PROGRAM_PID"
start_x -screen 0 800x600x24 -screen 1 1024x768x24 # and no window manager
start --screen 1
expect 'the console covers screen 1' 10 \
    '[ "$(xdotool search --screen 1 --onlyvisible --name "^$CONSOLE\$" getwindowgeometry 2>/dev/null |
    grep -c "Position: 0,0 (screen: 1)\|Geometry: 1024x768")" = 2 ]'
expect 'the console drawn on screen 1 ($LIT lit pixels)' 10 \
    'import -display "$DISPLAY.1" -window root "$WORK/second.png" && lit second && [ $LIT -gt 100000 ]'
import -display "$DISPLAY.0" -window root "$WORK/first.png" && lit first && [ "$LIT" = 0 ] ||
    fail "screen 0 not black ($LIT lit pixels)"
