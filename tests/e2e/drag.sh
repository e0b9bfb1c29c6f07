#!/usr/bin/env bash
# In the normal window state a left-button drag on the artwork moves the
# borderless window by the distance dragged; a right-button drag does not.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

window_position() {
    xdotool getwindowgeometry "$CONSOLE_WIN" | awk '/Position/ { split($2, p, ","); print p[1], p[2] }'
}
# Drags with button $1 from screen X,Y by DX,DY in small moves.
drag() {
    local button=$1 x=$2 y=$3 dx=$4 dy=$5 i
    xdotool mousemove "$x" "$y" mousedown "$button"
    for i in 1 2 3 4; do
        sleep 0.1
        xdotool mousemove $((x + dx * i / 4)) $((y + dy * i / 4))
    done
    sleep 0.2
    xdotool mouseup "$button"
    sleep 0.5
}

e2e_fresh_config $'[Sprache]\nGerman=1'
e2e_start_program
e2e_expect_console

xdotool mousemove $((ART_X + 740)) $((ART_Y + 86)) click 1 # the upper right pill
sleep 1
read -r left top < <(window_position)
size=$(xdotool getwindowgeometry "$CONSOLE_WIN" | awk '/Geometry/ { print $2 }')
[ "$size" = 807x531 ] || fail "restore pill left the window at $size"
pass "the upper right pill makes the window normal ($size at $left,$top)"

# A point of the artwork's bar graph area, the graph being powered off.
drag 1 $((left + 300)) $((top + 300)) 60 40
read -r left2 top2 < <(window_position)
[ "$left2" -eq $((left + 60)) ] && [ "$top2" -eq $((top + 40)) ] ||
    fail "left drag by 60,40 moved the window from $left,$top to $left2,$top2"
pass "a left-button drag moves the window by the same distance"

drag 3 $((left2 + 300)) $((top2 + 300)) 50 50
read -r left3 top3 < <(window_position)
[ "$left3" -eq "$left2" ] && [ "$top3" -eq "$top2" ] ||
    fail "right drag moved the window to $left3,$top3"
pass "a right-button drag leaves the window where it is"
e2e_expect_close_ends_program "$CONSOLE_WIN"
