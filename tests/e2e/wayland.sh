#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a Wayland client of weston, with no X display of its own: full screen, keys, the
# blank screen with the screen-saver hold over D-Bus, the compositor's move, End. Weston's headless
# output has no input devices, so weston draws into a window of a bare X server, whose pointer and
# keys xdotool drives; the pictures are weston's own screenshots.
E2E_NO_WM=1
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
export WAYLAND_DISPLAY=korva-wayland
e2e_start_helper weston --backend=x11-backend.so --use-pixman --width="$SCREEN_W" --height="$SCREEN_H" \
    --no-config --debug --socket="$WAYLAND_DISPLAY"
if ! hash weston weston-screenshooter || ! e2e_until 100 0.1 '[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]'; then
    log "SKIP: weston cannot start here"
    exit 77
fi
e2e_shot() { # the compositor's picture: e2e_shot NAME X Y W H
    rm -f "$E2E_WORK"/wayland-screenshot-*.png
    (cd "$E2E_WORK" && timeout 10 weston-screenshooter) || fail "screenshot $1 failed"
    convert "$E2E_WORK"/wayland-screenshot-*.png -crop "${4}x${5}+${2}+${3}" +repage "$E2E_WORK/$1.png"
}
point() { # weston's pointer follows the X pointer's motion: pinned in a corner first, it goes to $1,$2
    xdotool mousemove $((SCREEN_W - 1)) $((SCREEN_H - 1)) mousemove 0 0 mousemove "$1" "$2" sleep 0.3
}
pointer_lit() {
    e2e_shot pointer 38 738 16 24
    e2e_lit pointer
}
window_corner() { # WX, WY: the top left of the artwork's orange
    e2e_shot window 0 0 "$SCREEN_W" "$SCREEN_H"
    eval "$(convert "$E2E_WORK/window.png" -fill black +opaque 'srgb(255,156,0)' -trim \
        -format 'WX=$((%X)) WY=$((%Y))' info:)"
}

export DBUS_SESSION_BUS_ADDRESS=unix:path=$E2E_WORK/bus # a private bus with a stand-in screen saver
e2e_start_helper dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS"
e2e_until 50 0.1 '[ -S "$E2E_WORK/bus" ]' || fail "no session bus"
e2e_start_helper "${E2E_PROGRAM%/*}/fakescreensaver"
e2e_fresh_config $'[Sprache]\nGerman=1'
point 600 400
env -u DISPLAY -u QT_QPA_PLATFORM "$E2E_PROGRAM" >"$E2E_WORK/program.log" 2>&1 &
E2E_PROGRAM_PID=$!
e2e_shot_drawn artwork "$ART_X" "$ART_Y" 800 554 $((800 * 554 / 4))
e2e_expect_artwork_centred

BARS="$((ART_X + 120)) $((ART_Y + 230)) 670 280"
e2e_shot standby $BARS
xdotool keydown alt key p keyup alt
e2e_until 20 0.5 'e2e_shot bars $BARS && e2e_diff standby bars && [ "$DIFF" -gt 5000 ]' ||
    fail "Alt+P did not bring up the bar graph"
pass "Alt+P brings up the bar graph"

point 40 740
pointer_lit
[ "$LIT" -gt 20 ] || fail "pointer not shown"
xdotool key F5
e2e_until 20 0.5 'pointer_lit && [ "$LIT" = 0 ]' || fail "the pointer shows on the blank screen"
e2e_shot_drawn logo 327 81 369 284 30000 # the black screen is up: keys bring the console back
pass "F5 blanks the screen and hides the pointer"
xdotool key x
e2e_shot_drawn back "$ART_X" "$ART_Y" 800 554 $((800 * 554 / 4))
pass "a key brings the console back"
e2e_until 20 0.1 'grep -qx "UnInhibit 1" "$E2E_WORK/helpers.log"' &&
    grep -qx "Inhibit 1 KORVA-Interface" "$E2E_WORK/helpers.log" || fail "no screen-saver hold over D-Bus"
pass "the blank screen held the screen saver"

point $((ART_X + 740)) $((ART_Y + 86)) # the upper right pill: a normal window
xdotool click 1 sleep 1
window_corner
x=$WX y=$WY
point $((x + 300)) $((y + 300))
xdotool mousedown 1 sleep 0.3 mousemove $((x + 350)) $((y + 340)) sleep 0.1 \
    mousemove $((x + 400)) $((y + 380)) sleep 0.3 mouseup 1 sleep 0.5
window_corner
[ "$WX,$WY" = "$((x + 100)),$((y + 80))" ] || fail "dragged by 100,80 from $x,$y, the window is at $WX,$WY"
pass "the compositor moves the normal window by a left-button drag"

point $((WX + 56)) $((WY + 495)) # End
xdotool click 1
e2e_expect_exit 15 End
[ ! -s "$E2E_WORK/program.log" ] || fail "the program wrote: $(cat "$E2E_WORK/program.log")"
