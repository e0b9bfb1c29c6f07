# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a Wayland client of weston, with no X display of its own: --zoom fit fills weston's
# output with the whole artwork, and --help lists that output. Weston draws into a window of a bare X
# server; --debug lets weston-screenshooter take its picture.
E2E_NO_WM=1
. "$(dirname "$0")/lib.sh"
SCREEN_W=1280 SCREEN_H=720
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

fresh_config $'[Sprache]\nGerman=1'
DISPLAY= QT_QPA_PLATFORM= start --zoom fit --mute
expect_fitted fit 0 0 "$SCREEN_W" "$SCREEN_H"
kill -TERM "$PROGRAM_PID" && expect_exit 5 TERM
DISPLAY= QT_QPA_PLATFORM= "$PROGRAM" --help >"$WORK/help.txt" 2>&1
grep -q "^  0  .*${SCREEN_W}x$SCREEN_H at 0,0" "$WORK/help.txt" || fail "--help lists no output: $(cat "$WORK/help.txt")"
log "ok: --help lists weston's output: $(grep "${SCREEN_W}x$SCREEN_H" "$WORK/help.txt")"
