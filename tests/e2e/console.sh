# SPDX-License-Identifier: GPL-3.0-or-later
# The console under openbox with a panel's strip, driven as a person drives it: the language question,
# bar graph, window made normal and dragged, blank screen, keys with Alt held, and the ways it ends.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
image4() { click $((11370 / 15 + 19)) $((2880 / 15 + 8)); }
drag() { # BUTTON DX DY from 300,300 inside the window, in four steps
    local moves=() i
    for i in 1 2 3 4; do moves+=(sleep 0.1 mousemove $((X + 300 + $2 * i / 4)) $((Y + 300 + $3 * i / 4))); done
    xdotool mousemove $((X + 300)) $((Y + 300)) mousedown "$1" "${moves[@]}" sleep 0.2 mouseup "$1" sleep 0.5
    geometry
}

start
window "$DIALOG"
[ -z "$(windows "$CONSOLE")" ] || fail "console shown beside the language dialog"
press "$DIALOG" key Return && expect_setting Sprache German 1
expect_console
[ -z "$(windows "$DIALOG")" ] || fail "language dialog still shown"
click 56 342 && sleep 1 && click 56 389 # power, Start
BARS="$((ART_X + 120)) $((ART_Y + 216)) 681 305"
expect 'bars move ($DIFF pixels in 1 s)' 3 'changes bars 1 $BARS && [ $DIFF -gt 100 ]'
click 740 86 && sleep 1 # the upper right pill makes the window normal
geometry && [ "${WIDTH}x$HEIGHT" = 807x531 ] || fail "the pill left the window at ${WIDTH}x$HEIGHT"
want="$((X + 60)),$((Y + 40))"
drag 1 60 40 && [ "$X,$Y" = "$want" ] || fail "a left drag by 60,40 moved the window to $X,$Y, not $want"
drag 3 50 50 && [ "$X,$Y" = "$want" ] || fail "a right drag moved the window to $X,$Y"
log "ok: the pill makes the window normal; a left drag moves it, a right drag does not"
press "$CONSOLE" key --clearmodifiers alt+F4 && expect_exit 10 Alt+F4

fresh_config && start
press "$DIALOG" key --clearmodifiers alt+e sleep 0.3 key Return && expect_setting Sprache German 0
expect_console
image4 && drawn logo 327 81 369 284 30000
press "$CONSOLE" key --clearmodifiers x && drawn back "$ART_X" "$ART_Y" 800 554 "$ART_LIT"
! grep -i dbus "$WORK/program-$RUN.log" || fail "the program spoke of the missing session bus"
press "$CONSOLE" keydown alt key o keyup alt # the letter goes down and up while Alt is held
window Options && kill -TERM "$PROGRAM_PID" && expect_exit 10 "TERM with the options dialog open"

start && expect_console && image4 && xdotool key alt+F4
expect_exit 10 "Alt+F4 on the way into the blank screen"
