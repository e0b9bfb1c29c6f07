# SPDX-License-Identifier: GPL-3.0-or-later
# --zoom fit at 1920 x 1080: the artwork 1.95 times larger, its power block where it is drawn;
# --screen 1 of two screens: the console there alone, then its dialogs there, drawn; an unknown
# screen: one line, status 2.
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

# Its dialogs there too, drawn and centred over the console: options, the Reset question, the colour
# chooser, the info page.
dialog_on_1() { # TITLE NAME AREA: the dialog whose title begins so shows on screen 1, drawn, its
    local title=$1 name=$2 id area=($3) # middle within the area (X Y W H); its place into DIALOG_AREA
    retry 50 0.1 'id=$(xdotool search --screen 1 --onlyvisible --name "^$title" 2>/dev/null | head -n 1)
        [ -n "$id" ]' || fail "no '$title' on screen 1"
    eval "$(xdotool getwindowgeometry --shell "$id")" && DIALOG_AREA="$X $Y $WIDTH $HEIGHT" DIALOG=$id
    [ $((X + WIDTH / 2)) -ge "${area[0]}" ] && [ $((X + WIDTH / 2)) -lt $((area[0] + area[2])) ] &&
        [ $((Y + HEIGHT / 2)) -ge "${area[1]}" ] && [ $((Y + HEIGHT / 2)) -lt $((area[1] + area[3])) ] ||
        fail "'$title' at $X,$Y ${WIDTH}x$HEIGHT, its middle not within $3"
    expect "'$title' drawn on screen 1 at $X,$Y (\$LIT lit pixels of $((WIDTH * HEIGHT)))" 10 \
        'import -display "$DISPLAY.1" -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$WORK/$name.png" &&
        lit "$name" && [ $LIT -gt $((WIDTH * HEIGHT / 5)) ]'
}
keys() { xdotool mousemove --screen 1 "$@" sleep 0.3; } # X Y KEYS: the keyboard follows the pointer
stop "$PROGRAM_PID"
fresh_config $'[Sprache]\nGerman=1' && start --screen 1 --mute
retry 100 0.1 '[ -n "$(xdotool search --screen 1 --onlyvisible --name "^$CONSOLE\$" 2>/dev/null)" ]' ||
    fail "no console on screen 1"
# Qt leaves room above a dialog for the frame a window manager would add: not quite the middle.
MIDDLE='452 324 120 120'
keys 512 700 keydown alt key o keyup alt && dialog_on_1 Optionen options "$MIDDLE" &&
    OPTIONS=$DIALOG_AREA OPTIONS_ID=$DIALOG
keys 512 384 keydown alt key r keyup alt && dialog_on_1 'Balkenfarben zur' question "$OPTIONS"
# Without a window manager the keyboard goes back to the options as a click would give it.
keys 512 384 key Escape && xdotool windowfocus "$OPTIONS_ID" && keys 512 384 keydown alt key e keyup alt &&
    dialog_on_1 Farbauswahl colours "$OPTIONS"
keys 512 384 key Escape sleep 0.3 key Escape && keys 512 700 key F1 && dialog_on_1 Optionen info "$MIDDLE"
kill -TERM "$PROGRAM_PID" && expect_exit 5 "TERM with the info page on screen 1"
