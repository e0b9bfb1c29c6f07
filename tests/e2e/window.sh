# SPDX-License-Identifier: GPL-3.0-or-later
# --window 1024x600 under openbox: a normal window of that size with the whole console fitted into it;
# made smaller and then larger with xdotool, the console is fitted anew each time; Alt+F4 ends it.
# --window alone: 800 x 554, the artwork at its own size.
. "$(dirname "$0")/lib.sh"
SCREEN_W=1280 SCREEN_H=800
e2e_init "$@"

fresh_config $'[Sprache]\nGerman=1' && start --window 1024x600 --mute
window "$CONSOLE" && CONSOLE_WIN=$WINDOW && geometry
[ "${WIDTH}x$HEIGHT" = 1024x600 ] || fail "the window is ${WIDTH}x$HEIGHT, not 1024x600"
xprop -id "$CONSOLE_WIN" _NET_WM_STATE | grep -q FULLSCREEN && fail "the window is full screen"
expect_fitted window "$X" "$Y" 1024 600
for size in '640 480' '1200 700'; do
    xdotool windowsize --sync "$CONSOLE_WIN" $size || fail "could not resize the window to $size"
    geometry && [ "$WIDTH $HEIGHT" = "$size" ] || fail "resized to $size, the window is $WIDTH $HEIGHT"
    expect_fitted "resized-$WIDTH" "$X" "$Y" "$WIDTH" "$HEIGHT"
done
press "$CONSOLE" key --clearmodifiers alt+F4 && expect_exit 10 Alt+F4

start --window --mute
window "$CONSOLE" && CONSOLE_WIN=$WINDOW && geometry
[ "${WIDTH}x$HEIGHT" = 800x554 ] || fail "--window alone gives ${WIDTH}x$HEIGHT, not 800x554"
expect_fitted default "$X" "$Y" 800 554
kill -TERM "$PROGRAM_PID" && expect_exit 5 TERM
