#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One console life as a person lives it. First run: the language dialog comes alone; Enter keeps
# Deutsch. The numbers type; the power block shows the grid, Start moves the bars, the speed spot
# stores AniSpeed=1; the upper right pill makes the window normal, a left drag moves it by the
# drag, a right drag does not; Alt+F4 ends. Then Alt+E and Enter store English, whose End caption
# reads differently. Keys typed as a person types them: Alt+O opens the options dialog, where a
# scroll bar and OK write the settings file; F1 shows the info page; the system ending the program
# while the dialog is open ends it with status 0.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
end_caption() { e2e_shot "$1" $((ART_X + 40)) $((ART_Y + 498)) 63 17; }
bar_area() { e2e_shot "$1" $((ART_X + 120)) $((ART_Y + 216)) 681 305; }
expect_change() { # NAME X Y W H: the area changes within 2 s
    e2e_shot "$1-1" "${@:2}" && sleep 2 && e2e_shot "$1-2" "${@:2}" && e2e_diff "$1-1" "$1-2"
    [ "$DIFF" -gt 100 ] || fail "$1 unchanged after 2 s ($DIFF pixels)"
    pass "$1 changes ($DIFF pixels in 2 s)"
}
alt_key() { # Alt held while the letter goes down and up
    e2e_expect_window "$CONSOLE_TITLE"
    timeout 5 xdotool windowactivate --sync "$WINDOW" >/dev/null 2>&1 || fail "could not activate the console"
    xdotool keydown alt key "$1" keyup alt
}
expect_options() { # the dialog's top left into DX, DY
    e2e_expect_window Options
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    DX=$X DY=$Y
}
drag() { # BUTTON X Y DX DY, in four steps
    local moves=() i
    for i in 1 2 3 4; do moves+=(sleep 0.1 mousemove $(($2 + $4 * i / 4)) $(($3 + $5 * i / 4))); done
    xdotool mousemove "$2" "$3" mousedown "$1" "${moves[@]}" sleep 0.2 mouseup "$1" sleep 0.5
    e2e_console_geometry
}

e2e_start_program
e2e_expect_window "$DIALOG_TITLE"
[ -z "$(e2e_windows "$CONSOLE_TITLE" --onlyvisible)" ] || fail "console shown beside the language dialog"
e2e_press "$DIALOG_TITLE" Return
e2e_expect_setting Sprache German 1
e2e_expect_console
[ -z "$(e2e_windows "$DIALOG_TITLE" --onlyvisible)" ] || fail "language dialog still shown"
e2e_expect_artwork_centred
expect_change numbers $((ART_X + 128)) $((ART_Y + 56)) 409 112
end_caption caption_german
e2e_click_art 56 342 # the power block
sleep 1
bar_area powered_on
e2e_lit powered_on '#00FFFF' # the grid's cyan
[ "$LIT" -gt 5000 ] || fail "no bar graph grid after power on ($LIT cyan pixels)"
e2e_click_art 56 389 # Start
sleep 1
expect_change bars $((ART_X + 120)) $((ART_Y + 216)) 681 305
e2e_click_art 777 178 # right end of the upper bar row: speed
e2e_expect_setting Optionen AniSpeed 1
e2e_click_art 740 86 # the upper right pill
sleep 1
e2e_console_geometry
[ "${WIDTH}x$HEIGHT" = 807x531 ] || fail "restore pill left the window at ${WIDTH}x$HEIGHT"
want="$((X + 60)),$((Y + 40))"
drag 1 $((X + 300)) $((Y + 300)) 60 40
[ "$X,$Y" = "$want" ] || fail "left drag by 60,40 moved the window to $X,$Y, not to $want"
drag 3 $((X + 300)) $((Y + 300)) 50 50
[ "$X,$Y" = "$want" ] || fail "right drag moved the window to $X,$Y"
pass "the pill makes the window normal; a left drag moves it, a right drag does not"
e2e_expect_close_ends_program

e2e_fresh_config
e2e_start_program
e2e_press "$DIALOG_TITLE" alt+e
sleep 0.3
e2e_press "$DIALOG_TITLE" Return
e2e_expect_setting Sprache German 0
e2e_expect_console
end_caption caption_english
e2e_diff caption_german caption_english
[ "$DIFF" -gt 0 ] || fail "English End caption looks like the German one"
alt_key o
expect_options
xdotool mousemove $((DX + 131)) $((DY + 136)) click 1 # the right arrow of the speed scroll bar
xdotool mousemove $((DX + 100)) $((DY + 271)) click 1 # OK
e2e_until 50 0.1 '[ -z "$(e2e_windows Options --onlyvisible)" ]' || fail "OK left the dialog open"
e2e_expect_setting Optionen AniSpeed 1
e2e_expect_setting Optionen SSaverTime 4
e2e_press "$CONSOLE_TITLE" F1
expect_options
e2e_shot_drawn info "$DX" "$DY" 413 296 1000
e2e_lit info '#CFC8FF' # the info texts' lavender
[ "$LIT" -gt 100 ] || fail "no info page text ($LIT pixels)"
pass "F1 shows the info page ($LIT text pixels)"
kill -TERM "$E2E_PROGRAM_PID"
e2e_expect_exit 10 "the system's TERM with the dialog open"
