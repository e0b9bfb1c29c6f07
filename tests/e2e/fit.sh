# SPDX-License-Identifier: GPL-3.0-or-later
# An 800 x 480 panel under openbox: --zoom fit shows the whole artwork shrunk to the panel's height, End
# in its place, and a click there ends the program; --zoom 0.5 draws it half as large, centred,
# and Alt+E ends it.
. "$(dirname "$0")/lib.sh"
SCREEN_W=800 SCREEN_H=480
e2e_init "$@"

fresh_config $'[Sprache]\nGerman=1' && start --zoom fit --mute
window "$CONSOLE" && geometry "$WINDOW" && [ "$X,$Y ${WIDTH}x$HEIGHT" = "0,0 800x480" ] ||
    fail "the console at $X,$Y ${WIDTH}x$HEIGHT"
expect_fitted fit 0 0 800 480
art_rect 0 0 800 480 8 480 92 30 # inside the End block
expect 'End drawn in its place at $RECT ($LIT orange pixels)' 5 \
    'shot end $RECT && lit end "$ORANGE" && [ $LIT -gt $((${RECT##* } * $(cut -d" " -f3 <<<"$RECT") * 8 / 10)) ]'
art_rect 0 0 800 480 56 495 0 0 && xdotool mousemove ${RECT% * *} click 1
expect_exit 15 "a click on End"

start --zoom 0.5 --mute
expect_fitted half 200 101 400 277
press "$CONSOLE" keydown alt key e keyup alt && expect_exit 20 "Alt+E"
