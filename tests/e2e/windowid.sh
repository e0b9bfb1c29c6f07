# SPDX-License-Identifier: GPL-3.0-or-later
# Screen-saver modes on a bare X server: --window-id (decimal) into a plain 200 x 150 window shows the
# whole console fitted into it, and fitted anew when the window grows to 400 x 300; TERM ends it with
# status 0. With the id in hex, destroying the window ends the program quietly. --root without
# XSCREENSAVER_WINDOW fills the screen, leaves the pointer where it is and takes no click or key. No
# language dialog shows and no settings are written.
E2E_NO_WM=1
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

make_window 200x150 && start --window-id "$WIN"
expect_fitted small 0 0 200 150
xdotool windowsize "$WIN" 400 300 || fail "could not resize the window"
expect_fitted grown 0 0 400 300
expect 'the console runs in the window ($DIFF pixels change in 1 s)' 5 'changes running 1 0 0 400 300 && [ $DIFF -gt 50 ]'
expect_term

make_window 320x240 && start --window-id "$(printf '0x%x' "$WIN")"
expect_fitted hex 0 0 320 240
stop "$MAKER"
retry 50 0.1 "! running $PROGRAM_PID" || fail "the program still runs 5 s after its window was destroyed"
wait "$PROGRAM_PID"
status=$? PROGRAM_PID=
[ "$status" -lt 128 ] || fail "killed by signal $((status - 128)) when its window was destroyed"
[ ! -s "$WORK/program-$RUN.log" ] || fail "the program reported: $(cat "$WORK/program-$RUN.log")"
log "ok: the window destroyed, the program ends with status $status, reporting nothing"

xdotool mousemove 500 400 && start --root
expect_fitted root 0 0 "$SCREEN_W" "$SCREEN_H"
[ "$(xdotool getmouselocation --shell | head -n 2 | xargs)" = "X=500 Y=400" ] || fail "the pointer was moved"
art_rect 0 0 "$SCREEN_W" "$SCREEN_H" 56 495 0 0 && xdotool mousemove ${RECT% * *} click 1 key e sleep 3
running "$PROGRAM_PID" || fail "a click on End ended the screen saver"
log "ok: the pointer left where it was; a click on End and a key do nothing"
[ -z "$(windows "$DIALOG")" ] || fail "the language dialog shows in screen-saver mode"
expect_term
[ -z "$(find "$XDG_CONFIG_HOME" -type f)" ] || fail "settings written: $(find "$XDG_CONFIG_HOME" -type f)"
log "ok: no language dialog, no settings written"
