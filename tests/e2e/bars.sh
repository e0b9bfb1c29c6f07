#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole cycle of use with the mouse: power on shows the bar graph, Start
# moves the bars, the speed spot stores its setting, End ends the program.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

# Screenshot of the bar graph area of the artwork.
bar_area() { e2e_shot "$1" $((ART_X + 120)) $((ART_Y + 216)) 681 305; }

e2e_start_program $'[Sprache]\nGerman=1'
e2e_expect_console

bar_area powered_off
e2e_lit powered_off '#00FFFF' # the grid's cyan
[ "$LIT" -lt 100 ] || fail "grid visible before power on ($LIT cyan pixels)"

e2e_click_art 56 342 # the power block
sleep 1
bar_area powered_on
e2e_lit powered_on '#00FFFF'
[ "$LIT" -gt 5000 ] || fail "no bar graph grid after power on ($LIT cyan pixels)"
pass "the power block shows the bar graph ($LIT grid pixels)"

e2e_click_art 56 389 # Start
sleep 1.5
bar_area running_1
sleep 1
bar_area running_2
e2e_diff running_1 running_2
[ "$DIFF" -gt 100 ] || fail "bars did not move ($DIFF pixels changed)"
pass "Start moves the bars ($DIFF pixels changed in 1 s)"

e2e_click_art 777 178 # right end of the upper bar row: speed
e2e_expect_setting Optionen AniSpeed 1

e2e_click_art 56 495 # End
e2e_expect_exit 15 End
