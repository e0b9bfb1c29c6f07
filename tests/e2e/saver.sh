# SPDX-License-Identifier: GPL-3.0-or-later
# The program as the screen saver of the real xscreensaver daemon, on two monitors of different sizes:
# -activate starts one instance on each, each fitted to its monitor with the bar graph running, no
# language dialog, no settings written, no sound server asked; -deactivate ends both within 1 s.
# The daemon runs no hack for root, so as root the daemon and the program run as nobody.
E2E_NO_WM=1
. "$(dirname "$0")/lib.sh"
SCREEN_W=1664 SCREEN_H=768
LEFT='0 0 1024 768' RIGHT='1024 0 640 480' # RIGHT leaves a strip below it that no monitor shows
e2e_init "$@"
hash xscreensaver xscreensaver-command xrandr socat || { log "SKIP: no xscreensaver" && exit 77; }
xrandr --setmonitor LEFT 1024/270x768/203+0+0 screen && xrandr --setmonitor RIGHT 640/169x480/127+1024+0 none ||
    fail "xrandr could not make two monitors"

chmod 711 "$WORK" && HOME_DIR=$WORK/home && mkdir -p "$HOME_DIR/.config" && mkdir -m 700 "$HOME_DIR/runtime"
# The program and its waves copied where nobody can read them, whatever the rights of the build tree
mkdir "$WORK/bin" && cp "$PROGRAM" "${PROGRAM%/*}"/*.wav "$WORK/bin/" || fail "could not copy the program"
HACK=$WORK/bin/${PROGRAM##*/}
printf '%s\n' 'mode: one' 'selected: 0' 'timeout: 1:00:00' 'lock: False' 'fade: False' 'unfade: False' \
    'splash: False' 'dpmsEnabled: False' 'programs: \' "  $HACK --root \\n\\" '' >"$HOME_DIR/.xscreensaver"
helper socat UNIX-LISTEN:"$WORK/pulse",fork,mode=777 SYSTEM:"echo asked >>'$WORK/sound.log'; sleep 60"
retry 50 0.1 '[ -S "$WORK/pulse" ]' || fail "the listening sound socket did not start"
DROP=() # the daemon's user, with nothing of our environment but the display
[ "$(id -u)" != 0 ] || { DROP=(setpriv --reuid=nobody --regid=nogroup --clear-groups) && chown -R nobody:nogroup "$HOME_DIR"; }
AS_USER=(env -i -C "$HOME_DIR" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/.config"
    XDG_RUNTIME_DIR="$HOME_DIR/runtime" PULSE_SERVER="unix:$WORK/pulse" "${DROP[@]}")
instances() { # INSTANCES: the hacks the daemon runs, children of its xscreensaver-gfx
    local gfx
    gfx=$(pgrep -P "$DAEMON" -f "^xscreensaver-gfx") && INSTANCES=$(pgrep -P "$gfx" -f "^$HACK" | xargs) || INSTANCES=
    set -- $INSTANCES && COUNT=$#
}

helper "${AS_USER[@]}" xscreensaver -no-splash -verbose && DAEMON=${PIDS%% *}
retry 100 0.1 '"${AS_USER[@]}" xscreensaver-command -time >/dev/null 2>&1' || fail "the daemon does not answer"
"${AS_USER[@]}" xscreensaver-command -activate >/dev/null || fail "xscreensaver-command -activate failed"
expect 'one instance per monitor (pids $INSTANCES)' 10 'instances && [ "$COUNT" = 2 ]'
expect_fitted left $LEFT
expect_fitted right $RIGHT
for monitor in LEFT RIGHT; do
    art_rect ${!monitor} 120 216 681 305
    expect "$monitor: the bar graph runs (\$DIFF pixels of its bars change in 1 s)" 5 \
        "changes bars-$monitor 1 $RECT && [ \$DIFF -gt 100 ]"
    lit "bars-$monitor-2" "#00FFFF" && [ "$LIT" -gt 500 ] || fail "$monitor: no grid of the powered-on bar graph ($LIT cyan pixels)"
done
[ -z "$(windows "$DIALOG")" ] || fail "the language dialog shows in screen-saver mode"
instances && before=$INSTANCES
"${AS_USER[@]}" xscreensaver-command -deactivate >/dev/null || fail "xscreensaver-command -deactivate failed"
for pid in $before; do
    retry 10 0.1 "! running $pid" || fail "instance $pid still runs 1 s after -deactivate"
done
log "ok: -deactivate ends both instances within 1 s"
[ -z "$(find "$HOME_DIR/.config" -type f)" ] || fail "settings written: $(find "$HOME_DIR/.config" -type f)"
[ ! -e "$WORK/sound.log" ] || fail "the sound server was asked in screen-saver mode"
log "ok: no settings written, no sound server asked"
