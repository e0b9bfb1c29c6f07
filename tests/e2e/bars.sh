#!/usr/bin/env bash
# A whole cycle of use with the mouse: power on shows the bar graph, Start
# moves the bars, the speed spot stores its setting, End ends the program.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

# Clicks artwork pixel X,Y of the centred console.
click_art() { xdotool mousemove $((ART_X + $1)) $((ART_Y + $2)) click 1; }
# Screenshot of the bar graph area of the artwork.
bar_area() { e2e_shot "$1" $((ART_X + 120)) $((ART_Y + 216)) 681 305; }
# Sets CYAN to the number of grid-cyan pixels of a screenshot.
cyan_pixels() {
    CYAN=$(convert "$E2E_WORK/$1.png" -fill black +opaque '#00FFFF' -fill white -opaque '#00FFFF' \
        -format '%[fx:int(mean*w*h+0.5)]' info:) || fail "convert $1 failed"
}

e2e_fresh_config $'[Sprache]\nGerman=1'
e2e_start_program
e2e_expect_console

bar_area powered_off
cyan_pixels powered_off
[ "$CYAN" -lt 100 ] || fail "grid visible before power on ($CYAN cyan pixels)"

click_art 56 342 # the power block
sleep 1
bar_area powered_on
cyan_pixels powered_on
[ "$CYAN" -gt 5000 ] || fail "no bar graph grid after power on ($CYAN cyan pixels)"
pass "the power block shows the bar graph ($CYAN grid pixels)"

click_art 56 389 # Start
sleep 1.5
bar_area running_1
sleep 1
bar_area running_2
e2e_diff running_1 running_2
[ "$DIFF" -gt 100 ] || fail "bars did not move ($DIFF pixels changed)"
pass "Start moves the bars ($DIFF pixels changed in 1 s)"

click_art 777 178 # right end of the upper bar row: speed
e2e_expect_setting Optionen AniSpeed 1

click_art 56 495 # End
e2e_wait_exit 15
[ "$EXIT_STATUS" = 0 ] || fail "exit status after End: $EXIT_STATUS"
pass "End ends the running console with status 0"
