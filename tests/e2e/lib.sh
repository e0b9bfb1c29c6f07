# Shared helpers for the end-to-end tests: the real program on its own X
# display (Xvfb + openbox), driven with xdotool, checked through the settings
# file, window titles, screenshots and the exit status.
#
# Source this file, then call e2e_init "$@" (program path as first argument).
# Every wait is bounded; a failed check ends the script with status 1.
# Set KORVA_E2E_KEEP=1 to keep the work folder (screenshots, logs).

set -u

CONSOLE_TITLE='KORVA-Interface'
DIALOG_TITLE='Spracheinstellungen / Languagesettings'
SCREEN_W=1024
SCREEN_H=768
# Top-left of the 800 x 554 console artwork, centred on a 1024 x 768 screen.
ART_X=112
ART_Y=107

E2E_PROGRAM=
E2E_WORK=
E2E_XVFB_PID=
E2E_WM_PID=
E2E_PROGRAM_PID=

log() { printf '[%s] %s\n' "${E2E_NAME:-e2e}" "$*"; }

fail() {
    log "FAIL: $*"
    exit 1
}

pass() { log "ok: $*"; }

# Exits with 77 (skipped) when a desktop tool is missing.
e2e_require_tools() {
    local tool missing=
    for tool in Xvfb openbox xdotool xprop import compare convert timeout; do
        command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
    done
    if [ -n "$missing" ]; then
        log "SKIP: missing tools:$missing"
        exit 77
    fi
}

e2e_init() {
    E2E_PROGRAM=${1:?program path}
    E2E_NAME=${E2E_NAME:-$(basename "$0" .sh)}
    [ -x "$E2E_PROGRAM" ] || fail "program not found: $E2E_PROGRAM"
    e2e_require_tools
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/korva-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 1' INT TERM HUP
    # The program must reach the X display, whatever the caller set.
    export QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR=$E2E_WORK/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS
    e2e_start_display
    e2e_fresh_config
}

e2e_cleanup() {
    local status=$?
    trap - EXIT
    e2e_kill "$E2E_PROGRAM_PID"
    e2e_kill "$E2E_WM_PID"
    e2e_kill "$E2E_XVFB_PID"
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ] || [ "${KORVA_E2E_KEEP:-0}" = 1 ]; then
        log "work folder kept: $E2E_WORK"
    else
        rm -rf "$E2E_WORK"
    fi
    exit "$status"
}

# Ends one process we started, if it still runs, and reaps it.
e2e_kill() {
    local pid=${1:-}
    [ -n "$pid" ] || return 0
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        local i
        for i in $(seq 20); do
            e2e_running "$pid" || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null
    return 0
}

# True while the process exists and has not ended (a zombie has ended).
e2e_running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}

# Xvfb on the first free display, then openbox; returns when the window
# manager has announced itself on the root window.
e2e_start_display() {
    local fdfile=$E2E_WORK/display i
    Xvfb -displayfd 3 -screen 0 ${SCREEN_W}x${SCREEN_H}x24 -nolisten tcp \
        3>"$fdfile" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    for i in $(seq 100); do
        grep -q '^[0-9][0-9]*$' "$fdfile" 2>/dev/null && break
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || fail "Xvfb did not start: $(cat "$E2E_WORK/xvfb.log")"
        sleep 0.1
    done
    grep -q '^[0-9][0-9]*$' "$fdfile" || fail "Xvfb gave no display number"
    DISPLAY=:$(cat "$fdfile")
    export DISPLAY

    XDG_CONFIG_HOME=$E2E_WORK/wm-config openbox >"$E2E_WORK/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    for i in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        kill -0 "$E2E_WM_PID" 2>/dev/null || fail "openbox did not start: $(cat "$E2E_WORK/openbox.log")"
        sleep 0.1
    done
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
        fail "openbox did not come up within 10 s"
    log "display $DISPLAY with openbox is up"
}

# A new, empty settings folder; optional argument: initial file content.
e2e_fresh_config() {
    export XDG_CONFIG_HOME
    XDG_CONFIG_HOME=$(mktemp -d "$E2E_WORK/config.XXXXXX")
    SETTINGS_FILE=$XDG_CONFIG_HOME/KORVA-Interface/KORVA-Interface.conf
    if [ $# -gt 0 ]; then
        mkdir -p "$(dirname "$SETTINGS_FILE")"
        printf '%s\n' "$1" >"$SETTINGS_FILE"
    fi
}

# Starts the program in the background; its output goes to a log file.
e2e_start_program() {
    E2E_RUN=$((${E2E_RUN:-0} + 1))
    "$E2E_PROGRAM" >"$E2E_WORK/program-$E2E_RUN.log" 2>&1 &
    E2E_PROGRAM_PID=$!
    log "program started (run $E2E_RUN, pid $E2E_PROGRAM_PID)"
}

# Waits up to $1 seconds for the program to end; sets EXIT_STATUS to its
# exit status, or to "timeout".
e2e_wait_exit() {
    local seconds=${1:-10} i
    EXIT_STATUS=timeout
    for i in $(seq $((seconds * 10))); do
        if ! e2e_running "$E2E_PROGRAM_PID"; then
            wait "$E2E_PROGRAM_PID"
            EXIT_STATUS=$?
            E2E_PROGRAM_PID=
            return 0
        fi
        sleep 0.1
    done
}

# Prints the id of the visible window whose title is exactly $1, waiting up
# to $2 seconds; prints nothing if none appears. Safe inside $(...).
e2e_wait_window() {
    local title=$1 seconds=${2:-10}
    timeout "$seconds" xdotool search --sync --onlyvisible --name "^$(e2e_regex "$title")\$" 2>/dev/null | head -n 1
}

# Ids of the visible windows titled exactly $1, right now.
e2e_visible_windows() {
    xdotool search --onlyvisible --name "^$(e2e_regex "$1")\$" 2>/dev/null
}

# xdotool matches titles as extended regular expressions.
e2e_regex() { printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g'; }

# Gives the keyboard to a window, through the window manager.
e2e_activate() {
    timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 ||
        fail "could not activate window $1"
}

e2e_key() { xdotool key --clearmodifiers "$@"; }

# Closes a window the way a user does: Alt+F4, handled by openbox.
e2e_close_window() {
    e2e_activate "$1"
    e2e_key alt+F4
}

# Screenshot of a screen rectangle into $E2E_WORK/NAME.png:
# e2e_shot NAME X Y W H.
e2e_shot() {
    timeout 10 import -window root -crop "${4}x${5}+${2}+${3}" +repage "$E2E_WORK/$1.png" ||
        fail "screenshot $1 failed"
}

# Sets DIFF to the number of pixels that differ between two screenshots.
e2e_diff() {
    local out rc
    out=$(compare -metric AE "$E2E_WORK/$1.png" "$E2E_WORK/$2.png" null: 2>&1)
    rc=$?
    [ "$rc" -le 1 ] || fail "compare $1 $2 failed: $out"
    DIFF=${out%% *}
}

# Sets LIT to the number of pixels of a screenshot that are not black.
e2e_lit() {
    LIT=$(convert "$E2E_WORK/$1.png" -fill white +opaque black \
        -format '%[fx:int(mean*w*h+0.5)]' info:) || fail "convert $1 failed"
}

# Takes screenshot NAME of a rectangle until more than MIN pixels are lit
# (at most 10 s), so a check never looks at a window not yet painted:
# e2e_shot_drawn NAME X Y W H MIN.
e2e_shot_drawn() {
    local i
    for i in $(seq 20); do
        e2e_shot "$1" "$2" "$3" "$4" "$5"
        e2e_lit "$1"
        [ "$LIT" -gt "$6" ] && return 0
        sleep 0.5
    done
    fail "$1 not drawn: $LIT lit pixels, expected more than $6"
}

# Value of a key in the settings file: e2e_setting GROUP KEY.
e2e_setting() {
    [ -f "$SETTINGS_FILE" ] || return 0
    awk -v group="[$1]" -v key="$2" '
        /^\[/ { in_group = ($0 == group); next }
        in_group { i = index($0, "="); if (i && substr($0, 1, i - 1) == key) value = substr($0, i + 1) }
        END { printf "%s", value }' "$SETTINGS_FILE"
}

# Polls a setting until it holds the expected value (or 5 s pass).
e2e_expect_setting() {
    local group=$1 key=$2 want=$3 i got=
    for i in $(seq 50); do
        got=$(e2e_setting "$group" "$key")
        [ "$got" = "$want" ] && break
        sleep 0.1
    done
    [ "$got" = "$want" ] || fail "[$group] $key is '$got', expected '$want'"
    pass "settings file holds [$group] $key=$want"
}

# Waits for the console window (id into CONSOLE_WIN), checks that it is
# borderless and maximised (its client area covers the whole screen) and
# waits until its artwork is painted.
e2e_expect_console() {
    local geometry
    CONSOLE_WIN=$(e2e_wait_window "$CONSOLE_TITLE" "${1:-15}")
    [ -n "$CONSOLE_WIN" ] || fail "no visible '$CONSOLE_TITLE' window"
    geometry=$(xdotool getwindowgeometry "$CONSOLE_WIN" | tr -s ' \n' ' ')
    case $geometry in
    *"Position: 0,0 "*"Geometry: ${SCREEN_W}x${SCREEN_H}"*) ;;
    *) fail "console window does not cover the screen: $geometry" ;;
    esac
    e2e_shot_drawn "artwork-$E2E_RUN" "$ART_X" "$ART_Y" 800 554 $((800 * 554 / 4))
    pass "console window '$CONSOLE_TITLE' is shown, covers the screen, artwork drawn"
}

# Closes the console with Alt+F4 and expects exit status 0.
e2e_expect_close_ends_program() {
    e2e_close_window "$1"
    e2e_wait_exit 10
    [ "$EXIT_STATUS" = 0 ] || fail "program exit status after Alt+F4: $EXIT_STATUS"
    pass "Alt+F4 ends the program with status 0"
}
