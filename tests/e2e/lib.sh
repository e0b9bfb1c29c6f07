# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on its own X display (Xvfb, and openbox unless E2E_NO_WM=1), driven with xdotool.
# Source, then e2e_init PROGRAM. A failed check exits 1; KORVA_E2E_KEEP=1 keeps the work folder.
set -u
CONSOLE='KORVA-Interface' DIALOG='Spracheinstellungen / Languagesettings'
SCREEN_W=1024 SCREEN_H=768 ART_X=112 ART_Y=107 ART_LIT=110800 # ART: the 800 x 554 artwork centred
PIDS='' PROGRAM_PID='' RUN=0 LIT='' DIFF=''

log() { echo "[$NAME] $*"; }
fail() { log "FAIL: $*" && exit 1; }
retry() { # TRIES PAUSE TEST: runs the shell test until it holds
    local n=$1 && until eval "$3"; do ((--n > 0)) || return 1 && sleep "$2"; done
}
expect() { # MESSAGE SECONDS TEST: the message is expanded when the check passes or fails
    retry $(($2 * 10)) 0.1 "$3" || fail "$(eval "echo \"$1\"")"
    log "ok: $(eval "echo \"$1\"")"
}

e2e_init() {
    PROGRAM=${1:?program} NAME=$(basename "$0" .sh)
    [ -x "$PROGRAM" ] || fail "no program $PROGRAM"
    hash Xvfb openbox xdotool xprop import compare convert timeout || { log "SKIP: no desktop tools" && exit 77; }
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/korva-e2e.XXXXXX")
    trap cleanup EXIT && trap 'exit 1' INT TERM HUP
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$WORK/runtime DISPLAY XDG_CONFIG_HOME
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS
    start_x -screen 0 "${SCREEN_W}x${SCREEN_H}x24"
    [ "${E2E_NO_WM:-0}" = 1 ] || start_wm
    fresh_config
}
start_x() { # Xvfb screen options; DISPLAY then names the new server
    helper Xvfb -displayfd 3 "$@" -nolisten tcp -noreset 3>"$WORK/display"
    retry 100 0.1 'grep -qx "[0-9][0-9]*" "$WORK/display"' || fail "Xvfb did not start"
    DISPLAY=:$(cat "$WORK/display")
}
start_wm() { # openbox as set up here, keeping a strip at the top free as a panel does
    mkdir -p "$WORK/wm/openbox" && sed 's|<top>0</top>|<top>40</top>|' /etc/xdg/openbox/rc.xml \
        >"$WORK/wm/openbox/rc.xml" && XDG_CONFIG_HOME=$WORK/wm helper openbox
    retry 100 0.1 'xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= 0, 40, "' || fail "no openbox"
}
helper() { "$@" >>"$WORK/helpers.log" 2>&1 & PIDS="$! $PIDS"; }
cleanup() {
    local status=$? pid
    for pid in $PROGRAM_PID $PIDS; do stop "$pid"; done
    [ $status = 0 ] && [ "${KORVA_E2E_KEEP:-0}" != 1 ] && rm -rf "$WORK" || log "work folder kept: $WORK"
}
stop() { # ends and reaps a process we started; SIGKILL when SIGTERM takes over 2 s
    kill "$1" 2>/dev/null && retry 20 0.1 "! running $1" || kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}
running() { grep -qv ') Z [^)]*$' "/proc/$1/stat" 2>/dev/null; } # a zombie has ended

fresh_config() { # a new settings folder; with an argument, a settings file holding it
    XDG_CONFIG_HOME=$(mktemp -d "$WORK/config.XXXXXX") SETTINGS=$XDG_CONFIG_HOME/KORVA-Interface/KORVA-Interface.conf
    mkdir "${SETTINGS%/*}"
    [ $# = 0 ] || printf '%s\n' "$1" >"$SETTINGS"
}
start() {
    RUN=$((RUN + 1)) STARTED=$(date +%s%N)
    "$PROGRAM" "$@" >"$WORK/program-$RUN.log" 2>&1 &
    PROGRAM_PID=$!
}
expect_exit() { # SECONDS AFTER_WHAT: the program ends with status 0
    retry $(($1 * 10)) 0.1 "! running $PROGRAM_PID" || fail "program still runs $1 s after $2"
    wait "$PROGRAM_PID" || fail "exit status $? after $2"
    PROGRAM_PID= && log "ok: $2 ends the program with status 0"
}

windows() { xdotool search --onlyvisible "${@:2}" --name "^$1\$" 2>/dev/null; }
window() { # waits for a visible window titled $1; its id into WINDOW
    local title=$1
    retry 150 0.1 'WINDOW=$(windows "$title" | head -n 1); [ -n "$WINDOW" ]' || fail "no window '$1'"
}
geometry() { eval "$(xdotool getwindowgeometry --shell "${1:-$CONSOLE_WIN}")"; } # X, Y, WIDTH, HEIGHT
press() { # TITLE XDOTOOL_ARGS...: gives the window the keyboard through the window manager, then types
    window "$1"
    timeout 5 xdotool windowactivate --sync "$WINDOW" >/dev/null 2>&1 || fail "could not activate '$1'"
    xdotool "${@:2}"
}
click() { xdotool mousemove $((ART_X + $1)) $((ART_Y + $2)) click 1; }

shot() { timeout 10 import -window root -crop "$4x$5+$2+$3" +repage "$WORK/$1.png" || fail "no screenshot $1"; }
changes() { # NAME PAUSE X Y W H: DIFF, the pixels of the area that change in PAUSE seconds
    shot "$1-1" "${@:3}" && sleep "$2" && shot "$1-2" "${@:3}" && diffpx "$1-1" "$1-2"
}
diffpx() { DIFF=$(compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1); DIFF=${DIFF%% *}; }
lit() { # pixels of screenshot $1 that are not black, or with $2, of colour $2
    LIT=$(convert "$WORK/$1.png" ${2:+-fill black +opaque "$2"} -fill white +opaque black -precision 16 \
        -format '%[fx:int(mean*w*h+0.5)]' info:) || fail "convert $1 failed"
}
drawn() { expect "$1 drawn (\$LIT lit pixels, over $6)" 10 "shot ${*:1:5} && lit $1 && [ \$LIT -gt $6 ]"; }
margins_black() {
    shot screen 0 0 "$SCREEN_W" "$SCREEN_H" && convert "$WORK/screen.png" +antialias -fill black \
        -draw "rectangle $ART_X,$ART_Y $((ART_X + 799)),$((ART_Y + 553))" "$WORK/margins.png" && lit margins && [ "$LIT" = 0 ]
}
expect_console() { # the console window covers the screen, artwork drawn and centred on black
    window "$CONSOLE" && CONSOLE_WIN=$WINDOW && geometry
    [ "$X,$Y ${WIDTH}x$HEIGHT" = "0,0 ${SCREEN_W}x$SCREEN_H" ] || fail "console at $X,$Y ${WIDTH}x$HEIGHT"
    drawn "artwork-$RUN" "$ART_X" "$ART_Y" 800 554 "$ART_LIT"
    expect 'console covers the screen, artwork centred on black ($LIT lit pixels around it)' 5 margins_black
}

setting() { sed -n "/^\[$1]/,/^\[/s/^$2=//p" "$SETTINGS" 2>/dev/null; } # GROUP KEY: its value
expect_setting() { expect "[$1] $2=$3 stored (now '\$(setting $1 $2)')" 5 "[ \"\$(setting $1 $2)\" = $3 ]"; }

# The artwork fitted into an area: ORANGE_BOX is the box of its orange pixels at zoom 1, relative to
# the artwork's 800 x 554 corner; at a factor f it scales with f about that corner.
ORANGE='srgb(255,156,0)' ORANGE_BOX='0 0 796 552'
box() { # NAME: BOX, "X Y W H" of the orange pixels of screenshot NAME, within it
    BOX=$(convert "$WORK/$1.png" -fill black +opaque "$ORANGE" -trim -format '%[fx:page.x] %[fx:page.y] %w %h' info: 2>/dev/null)
}
fitted() { # NAME X Y W H: the screenshot of that area shows the whole artwork, as large as fits, centred
    shot "$@" && box "$1" || return 1
    WANT=$(awk -v w="$4" -v h="$5" -v b="$ORANGE_BOX" 'BEGIN { split(b, a, " ")
        f = w / 800 < h / 554 ? w / 800 : h / 554
        printf "%d %d %d %d", (w - 800 * f) / 2 + a[1] * f, (h - 554 * f) / 2 + a[2] * f, a[3] * f, a[4] * f }')
    awk -v got="$BOX" -v want="$WANT" 'BEGIN { n = split(got, g, " "); split(want, w, " ")
        for (i = 1; i <= 4; ++i) if (n != 4 || g[i] - w[i] > 3 + w[i] / 50 || w[i] - g[i] > 3 + w[i] / 50) exit 1 }'
}
expect_fitted() { # NAME X Y W H: as fitted, within 10 s
    expect "$1: the artwork fitted into $4x$5 (orange at \$BOX, fitted \$WANT)" 10 "fitted $*"
}

art_rect() { # X Y W H AX AY AW AH: RECT, the screen rectangle of artwork pixels AX,AY AWxAH when the
    # artwork is fitted into the area X,Y WxH
    RECT=$(awk -v x="$1" -v y="$2" -v w="$3" -v h="$4" -v ax="$5" -v ay="$6" -v aw="$7" -v ah="$8" 'BEGIN {
        f = w / 800 < h / 554 ? w / 800 : h / 554
        printf "%d %d %d %d", x + (w - 800 * f) / 2 + ax * f, y + (h - 554 * f) / 2 + ay * f, aw * f, ah * f }')
}
expect_term() { # TERM ends the program with status 0
    kill -TERM "$PROGRAM_PID" && expect_exit 2 TERM
}
make_window() { # WxH: WIN, the id of a new plain window at 0,0; MAKER, the pid of its maker
    local ids=$WORK/window-$((++WINDOWS)).id
    "${MAKEWINDOW:?no MAKEWINDOW helper}" "$1" >"$ids" 2>>"$WORK/helpers.log" &
    MAKER=$! PIDS="$! $PIDS"
    retry 50 0.1 '[ -s "$ids" ]' && WIN=$(cat "$ids") || fail "no $1 window made"
}
WINDOWS=0
