#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# In the normal window state a left-button drag on the artwork moves the
# borderless window by the distance dragged; a right-button drag does not.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

# Drags with button $1 from screen X,Y by DX,DY in four small moves.
drag() {
    local moves=() i
    for i in 1 2 3 4; do
        moves+=(sleep 0.1 mousemove $(($2 + $4 * i / 4)) $(($3 + $5 * i / 4)))
    done
    xdotool mousemove "$2" "$3" mousedown "$1" "${moves[@]}" sleep 0.2 mouseup "$1" sleep 0.5
}

e2e_start_program $'[Sprache]\nGerman=1'
e2e_expect_console

e2e_click_art 740 86 # the upper right pill
sleep 1
e2e_console_geometry
[ "${WIDTH}x$HEIGHT" = 807x531 ] || fail "restore pill left the window at ${WIDTH}x$HEIGHT"
pass "the upper right pill makes the window normal (${WIDTH}x$HEIGHT at $X,$Y)"

# A point of the artwork's bar graph area, the graph being powered off.
dragged_x=$((X + 60)) dragged_y=$((Y + 40))
drag 1 $((X + 300)) $((Y + 300)) 60 40
e2e_console_geometry
[ "$X,$Y" = "$dragged_x,$dragged_y" ] || fail "left drag by 60,40 moved the window to $X,$Y, not to $dragged_x,$dragged_y"
pass "a left-button drag moves the window by the same distance"

drag 3 $((X + 300)) $((Y + 300)) 50 50
e2e_console_geometry
[ "$X,$Y" = "$dragged_x,$dragged_y" ] || fail "right drag moved the window to $X,$Y"
pass "a right-button drag leaves the window where it is"
e2e_expect_close_ends_program
