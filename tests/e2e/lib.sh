# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the end-to-end tests: the real program on its own X display (Xvfb + openbox), driven with
# xdotool. Source, then e2e_init "$@". Waits are bounded; a failed check exits 1; KORVA_E2E_KEEP=1 keeps files.

set -u

CONSOLE_TITLE='KORVA-Interface'
DIALOG_TITLE='Spracheinstellungen / Languagesettings'
# The screen, and the top-left of the 800 x 554 console artwork centred on it.
SCREEN_W=1024 SCREEN_H=768 ART_X=112 ART_Y=107
E2E_XVFB_PID='' E2E_WM_PID='' E2E_PROGRAM_PID='' E2E_HELPER_PIDS='' E2E_RUN=0

log() { printf '[%s] %s\n' "${E2E_NAME:-e2e}" "$*"; }
pass() { log "ok: $*"; }
fail() {
    log "FAIL: $*"
    exit 1
}

# Runs the shell code $3 (it sees the caller's variables) up to $1 times, $2 s apart, until it succeeds.
e2e_until() {
    local tries=$1
    until eval "$3"; do
        [ $((tries -= 1)) -gt 0 ] || return 1
        sleep "$2"
    done
}

# Starts the display, openbox unless E2E_NO_WM=1 (a bare X server, as a kiosk session has), and a fresh
# settings folder; exits 77 (skipped) when a desktop tool is missing.
e2e_init() {
    E2E_PROGRAM=${1:?program path}
    E2E_NAME=${E2E_NAME:-$(basename "$0" .sh)}
    [ -x "$E2E_PROGRAM" ] || fail "program not found: $E2E_PROGRAM"
    if ! hash Xvfb openbox xdotool xprop import compare convert timeout; then
        log "SKIP: desktop tools missing"
        exit 77
    fi
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/korva-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 1' INT TERM HUP
    # The program must reach the X display, whatever the caller set.
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$E2E_WORK/runtime DISPLAY XDG_CONFIG_HOME
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS
    Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp -noreset 3>"$E2E_WORK/display" >"$E2E_WORK/Xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_until 100 0.1 'grep -qx "[0-9][0-9]*" "$E2E_WORK/display"' || fail "Xvfb did not start: $(cat "$E2E_WORK/Xvfb.log")"
    DISPLAY=:$(cat "$E2E_WORK/display")
    log "display $DISPLAY is up"
    [ "${E2E_NO_WM:-0}" = 1 ] || e2e_start_wm
    e2e_fresh_config
}

# Starts openbox and waits until it announces itself on the root window.
e2e_start_wm() {
    XDG_CONFIG_HOME=$E2E_WORK/wm-config openbox >"$E2E_WORK/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    e2e_until 100 0.1 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
        fail "openbox did not announce itself on the root window: $(cat "$E2E_WORK/openbox.log")"
}

e2e_cleanup() {
    local status=$?
    e2e_kill "$E2E_PROGRAM_PID"
    local helper
    for helper in $E2E_HELPER_PIDS; do e2e_kill "$helper"; done
    e2e_kill "$E2E_WM_PID"
    e2e_kill "$E2E_XVFB_PID"
    [ "$status" = 0 ] && [ "${KORVA_E2E_KEEP:-0}" != 1 ] && rm -rf "$E2E_WORK" || log "work folder kept: $E2E_WORK"
}

# Ends one process we started, if it still runs (SIGKILL if SIGTERM takes over 2 s), and reaps it.
e2e_kill() {
    kill "$1" 2>/dev/null && e2e_until 20 0.1 "! e2e_running $1" || kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null || :
}

# True while the process exists and has not ended (a zombie has ended).
e2e_running() { grep -qv ') Z [^)]*$' "/proc/$1/stat" 2>/dev/null; }

# A new, empty settings folder; optional argument: initial file content.
e2e_fresh_config() {
    XDG_CONFIG_HOME=$(mktemp -d "$E2E_WORK/config.XXXXXX")
    SETTINGS_FILE=$XDG_CONFIG_HOME/KORVA-Interface/KORVA-Interface.conf
    mkdir "${SETTINGS_FILE%/*}"
    [ $# = 0 ] || printf '%s\n' "$1" >"$SETTINGS_FILE"
}

# Starts the program in the background; with an argument, on a fresh settings file holding it.
e2e_start_program() {
    [ $# = 0 ] || e2e_fresh_config "$1"
    E2E_RUN=$((E2E_RUN + 1))
    "$E2E_PROGRAM" >"$E2E_WORK/program-$E2E_RUN.log" 2>&1 &
    E2E_STARTED_AT=$(date +%s%N)
    E2E_PROGRAM_PID=$!
    log "program started (run $E2E_RUN, pid $E2E_PROGRAM_PID)"
}

# Starts a helper program in the background; it is ended with the test.
e2e_start_helper() {
    "$@" >>"$E2E_WORK/helpers.log" 2>&1 &
    E2E_HELPER_PIDS="$E2E_HELPER_PIDS $!"
}

# The console's artwork, centred on a black screen: blacking the artwork out of a whole-screen shot leaves no
# lit pixel, and the artwork itself is drawn.
e2e_margins_black() {
    e2e_shot "screen-$E2E_RUN" 0 0 "$SCREEN_W" "$SCREEN_H"
    convert "$E2E_WORK/screen-$E2E_RUN.png" +antialias -fill black \
        -draw "rectangle $ART_X,$ART_Y $((ART_X + 799)),$((ART_Y + 553))" "$E2E_WORK/margins-$E2E_RUN.png"
    e2e_lit "margins-$E2E_RUN"
    [ "$LIT" = 0 ]
}
e2e_expect_artwork_centred() { # within 5 s: the window manager may still be settling the window
    e2e_until 10 0.5 e2e_margins_black || fail "the screen around the artwork is not black ($LIT lit pixels)"
    pass "console artwork centred on a black screen"
}

# Expects the program to end with status 0 within $1 seconds after $2.
e2e_expect_exit() {
    e2e_until $(($1 * 10)) 0.1 '! e2e_running "$E2E_PROGRAM_PID"' || fail "program still runs $1 s after $2"
    local pid=$E2E_PROGRAM_PID
    E2E_PROGRAM_PID=
    wait "$pid" || fail "program exit status after $2: $?"
    pass "$2 ends the program with status 0"
}

# Closes the console the way a user does: Alt+F4, handled by openbox.
e2e_expect_close_ends_program() {
    e2e_press "$CONSOLE_TITLE" alt+F4
    e2e_expect_exit 10 Alt+F4
}

# Ids of the windows titled $1 (a regular expression); more arguments: xdotool search options.
e2e_windows() { xdotool search "${@:2}" --name "^$1\$" 2>/dev/null; }

# Waits up to 15 s for a visible window titled $1; its id into WINDOW.
e2e_expect_window() {
    local title=$1
    e2e_until 150 0.1 'WINDOW=$(e2e_windows "$title" --onlyvisible | head -n 1); [ -n "$WINDOW" ]' ||
        fail "no visible window '$title'"
}

# Gives the window titled $1 the keyboard, through the window manager, and presses keys $2...
e2e_press() {
    e2e_expect_window "$1"
    timeout 5 xdotool windowactivate --sync "$WINDOW" >/dev/null 2>&1 || fail "could not activate '$1'"
    xdotool key --clearmodifiers "${@:2}"
}

e2e_click_art() { xdotool mousemove $((ART_X + $1)) $((ART_Y + $2)) click 1; }

# Screenshot of a screen rectangle into $E2E_WORK/NAME.png: e2e_shot NAME X Y W H.
e2e_shot() {
    timeout 10 import -window root -crop "${4}x${5}+${2}+${3}" +repage "$E2E_WORK/$1.png" || fail "screenshot $1 failed"
}

# Sets DIFF to the number of pixels that differ between two screenshots.
e2e_diff() {
    DIFF=$(compare -metric AE "$E2E_WORK/$1.png" "$E2E_WORK/$2.png" null: 2>&1)
    [ $? -le 1 ] || fail "compare $1 $2 failed: $DIFF"
    DIFF=${DIFF%% *}
}

# Sets LIT to the number of pixels of screenshot $1 that are not black, or, with $2, of colour $2.
e2e_lit() {
    LIT=$(convert "$E2E_WORK/$1.png" ${2:+-fill black +opaque "$2"} -fill white +opaque black \
        -format '%[fx:int(mean*w*h+0.5)]' info:) || fail "convert $1 failed"
}

# e2e_shot NAME X Y W H until more than MIN pixels are lit (at most 10 s): e2e_shot_drawn NAME X Y W H MIN.
e2e_shot_drawn() {
    e2e_until 20 0.5 "e2e_shot ${*:1:5} && e2e_lit $1 && [ \$LIT -gt $6 ]" ||
        fail "$1 not drawn: $LIT lit pixels, expected more than $6"
}

# e2e_setting GROUP KEY prints a setting; e2e_expect_setting GROUP KEY VALUE waits (5 s at most) for VALUE.
e2e_setting() {
    awk -F= -v group="[$1]" -v key="$2" '/^\[/ { in_group = ($0 == group) }
        in_group && NF > 1 && $1 == key { value = substr($0, length(key) + 2) }
        END { printf "%s", value }' "$SETTINGS_FILE" 2>/dev/null
}

e2e_expect_setting() {
    local group=$1 key=$2 want=$3
    e2e_until 50 0.1 '[ "$(e2e_setting "$group" "$key")" = "$want" ]' ||
        fail "[$group] $key is '$(e2e_setting "$group" "$key")', expected '$want'"
    pass "settings file holds [$group] $key=$want"
}

# Sets X, Y, WIDTH and HEIGHT to the console window's geometry.
e2e_console_geometry() { eval "$(xdotool getwindowgeometry --shell "$CONSOLE_WIN")"; }

# Waits for the console window (id into CONSOLE_WIN): borderless, full screen, painted.
e2e_expect_console() {
    e2e_expect_window "$CONSOLE_TITLE"
    CONSOLE_WIN=$WINDOW
    e2e_console_geometry
    [ "$X,$Y ${WIDTH}x$HEIGHT" = "0,0 ${SCREEN_W}x$SCREEN_H" ] ||
        fail "console window does not cover the screen: $X,$Y ${WIDTH}x$HEIGHT"
    e2e_shot_drawn "artwork-$E2E_RUN" "$ART_X" "$ART_Y" 800 554 $((800 * 554 / 4))
    pass "console window '$CONSOLE_TITLE' is shown, covers the screen, artwork drawn"
}
