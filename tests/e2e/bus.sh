# SPDX-License-Identifier: GPL-3.0-or-later
# Session buses that do not answer: a bus that is stopped, a socket that never says a word, one that
# answers the sign-in but never Hello. The console shows at once all the same, the black screen
# comes and goes, TERM or End ends it with status 0 (TERM also while it asks the bus), and nothing
# speaks of the bus. A bus that answers is used: the black screen holds off the desktop's saver over
# a connection of its own.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
hash dbus-daemon dbus-send socat || { log "SKIP: no dbus-daemon, dbus-send or socat" && exit 77; }
fresh_config $'[Sprache]\nGerman=0'

listening() { retry 50 0.1 "[ -S '$WORK/$1' ]" || fail "no socket $1"; }
helper dbus-daemon --session --nofork --address="unix:path=$WORK/stopped" && STOPPED=${PIDS%% *}
listening stopped && kill -STOP "$STOPPED"
helper socat -u "UNIX-LISTEN:$WORK/silent,fork" STDOUT && listening silent
helper socat "UNIX-LISTEN:$WORK/signin,fork" \
    SYSTEM:"echo asked >>'$WORK/asked'; read -r line; printf 'OK 0123456789abcdef0123456789abcdef\r\n'
    exec cat >&2" && listening signin

for bus in stopped silent signin; do
    DBUS_SESSION_BUS_ADDRESS=unix:path=$WORK/$bus start --mute
    # A bus that keeps the program waiting keeps it waiting 20 s or more.
    retry 50 0.1 '[ -n "$(windows "$CONSOLE")" ]' || fail "no console 5 s after the start with the $bus bus"
    expect_console
    press "$CONSOLE" key F5 && drawn "black-$bus" 327 81 369 284 30000
    press "$CONSOLE" key x && drawn "back-$bus" "$ART_X" "$ART_Y" 800 554 "$ART_LIT"
    if [ $bus = signin ]; then # the black screen has left no connection for End to trip over
        press "$CONSOLE" keydown alt key e keyup alt && expect_exit 10 "End with the $bus bus"
    else
        kill -TERM "$PROGRAM_PID" && expect_exit 5 "TERM with the $bus bus"
    fi
    ! grep -i dbus "$WORK/program-$RUN.log" || fail "the program spoke of the $bus bus"
done
# TERM while the program waits for the bus's answer, the first moment it can come.
rm -f "$WORK/asked" && DBUS_SESSION_BUS_ADDRESS=unix:path=$WORK/signin start --mute
retry 250 0.02 '[ -s "$WORK/asked" ]' || fail "the program never asked the signin bus"
kill -TERM "$PROGRAM_PID" && expect_exit 5 "TERM while the program asks the signin bus"
kill -CONT "$STOPPED"

# The program's connections to the bus: its unique names whose process is the program.
connections() {
    local name count=0
    for name in $(dbus-send --bus="$ADDRESS" --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.ListNames | grep -o '":[0-9.]*"' | tr -d '"'); do
        dbus-send --bus="$ADDRESS" --print-reply --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.GetConnectionUnixProcessID string:"$name" 2>/dev/null |
            grep -qw "uint32 $PROGRAM_PID" && count=$((count + 1))
    done
    echo $count
}
ADDRESS=unix:path=$WORK/stopped
DBUS_SESSION_BUS_ADDRESS=$ADDRESS start --mute && expect_console
before=$(connections)
press "$CONSOLE" key F5 && drawn black-answering 327 81 369 284 30000
expect 'the black screen connects to the bus that answers ($(connections) connections, $before before)' 5 \
    '[ "$(connections)" -gt "$before" ]'
kill -TERM "$PROGRAM_PID" && expect_exit 5 "TERM with the bus that answers"
