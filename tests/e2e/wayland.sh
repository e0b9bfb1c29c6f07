# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a Wayland client of weston: full screen, keys, the blank screen hiding the pointer, the
# compositor's move, End; --zoom fit filling the output and --help listing it. Weston draws into a
# window of a bare X server, whose input xdotool drives.
E2E_NO_WM=1
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
export WAYLAND_DISPLAY=korva-wayland
helper weston --backend=x11-backend.so --use-pixman --width="$SCREEN_W" --height="$SCREEN_H" \
    --no-config --debug --socket="$WAYLAND_DISPLAY"
hash weston weston-screenshooter && retry 100 0.1 '[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]' ||
    { log "SKIP: no weston" && exit 77; }
shot() { # the compositor's own picture
    rm -f "$WORK"/wayland-screenshot-*.png && (cd "$WORK" && timeout 10 weston-screenshooter) || fail "no screenshot $1"
    convert "$WORK"/wayland-screenshot-*.png -crop "$4x$5+$2+$3" +repage "$WORK/$1.png"
}
point() { # weston's pointer follows the X pointer's motion: pinned in a corner first, it goes to $1,$2
    xdotool mousemove $((SCREEN_W - 1)) $((SCREEN_H - 1)) mousemove 0 0 mousemove "$1" "$2" sleep 0.3
}
corner() { # WX, WY: the top left of the artwork's orange
    shot window 0 0 "$SCREEN_W" "$SCREEN_H"
    eval "$(convert "$WORK/window.png" -fill black +opaque 'srgb(255,156,0)' -trim -format 'WX=$((%X)) WY=$((%Y))' info:)"
}

fresh_config $'[Sprache]\nGerman=1'
point 600 400
DISPLAY= QT_QPA_PLATFORM= start
drawn artwork "$ART_X" "$ART_Y" 800 554 "$ART_LIT"
expect 'artwork centred on black ($LIT lit pixels around it)' 5 margins_black
BARS="$((ART_X + 120)) $((ART_Y + 230)) 670 280"
shot standby $BARS && xdotool keydown alt key p keyup alt
expect 'Alt+P brings up the bar graph ($DIFF pixels)' 10 'shot bars $BARS && diffpx standby bars && [ $DIFF -gt 5000 ]'
point 40 740
shot pointer 38 738 16 24 && lit pointer && [ "$LIT" -gt 20 ] || fail "pointer not shown"
xdotool key F5
expect 'F5 hides the pointer ($LIT pixels)' 10 'shot pointer 38 738 16 24 && lit pointer && [ $LIT = 0 ]'
drawn logo 327 81 369 284 30000
xdotool key x && drawn back "$ART_X" "$ART_Y" 800 554 "$ART_LIT"
point $((ART_X + 740)) $((ART_Y + 86)) && xdotool click 1 sleep 1 # the upper right pill: a normal window
corner && x=$WX y=$WY && point $((x + 300)) $((y + 300))
xdotool mousedown 1 sleep 0.3 mousemove $((x + 350)) $((y + 340)) sleep 0.1 \
    mousemove $((x + 400)) $((y + 380)) sleep 0.3 mouseup 1 sleep 0.5
corner && [ "$WX,$WY" = "$((x + 100)),$((y + 80))" ] || fail "dragged by 100,80 from $x,$y, the window is at $WX,$WY"
point $((WX + 56)) $((WY + 495)) && xdotool click 1 # End
expect_exit 15 End
[ ! -s "$WORK/program-$RUN.log" ] || fail "the program wrote: $(cat "$WORK/program-$RUN.log")"
# The zoom on Wayland: --zoom fit fills weston's output, and --help lists that output.
DISPLAY= QT_QPA_PLATFORM= start --zoom fit --mute
expect_fitted fit 0 0 "$SCREEN_W" "$SCREEN_H"
expect_term
DISPLAY= QT_QPA_PLATFORM= "$PROGRAM" --help >"$WORK/help.txt" 2>&1
grep -q "^  0  .*${SCREEN_W}x$SCREEN_H at 0,0" "$WORK/help.txt" || fail "--help lists no output: $(cat "$WORK/help.txt")"
log "ok: --help lists weston's output"
