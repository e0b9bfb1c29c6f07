#!/usr/bin/env bash
# Benchmark: the real program on its own Xvfb display (1024 x 768, openbox) in
# fixed scenarios, beside a reference program measured in the same run, so the
# figures read as ratios on any machine.
#
#   bench/run.sh PATH/TO/korva-interface
#
# Per scenario: CPU as a percentage of one core over MEASURE_S seconds after
# SETTLE_S seconds, peak resident memory (VmHWM) at the end, and optionally the
# bar steps per second. Start-up is the median time from launch to the console
# window being visible. The table goes to stdout and to bench/out/latest.txt.
#
# Scenarios are the functions scenario_NAME listed in SCENARIOS, run after the
# console is visible (to click artwork pixel X,Y:
# xdotool mousemove $((ART_X + X)) $((ART_Y + Y)) click 1); a function
# steps_NAME, if defined, prints the achieved steps per second for its
# scenario.

E2E_NAME=bench
export LC_ALL=C
. "$(dirname "$0")/../tests/e2e/lib.sh"

STARTUP_RUNS=${STARTUP_RUNS:-5}
SETTLE_S=${SETTLE_S:-2}
MEASURE_S=${MEASURE_S:-20}
TARGET_CPU=1
TARGET_RSS_MB=80
TARGET_STARTUP_S=0.5

SCENARIOS=(powered_off)

# The console as it starts: powered off, number panels typing.
scenario_powered_off() { :; }

# The reference: the phosphor hack of xscreensaver-data-extra typing a fixed
# text in a window the size of the screen.
reference_binary() {
    dpkg -L xscreensaver-data-extra 2>/dev/null | grep '/phosphor$' | head -n 1
}
REFERENCE_TEXT=/usr/share/common-licenses/GPL-3

# Launches a program ($@) and sets E2E_PROGRAM_PID.
launch() {
    "$@" >>"$E2E_WORK/launch.log" 2>&1 &
    E2E_PROGRAM_PID=$!
}

stop_program() {
    e2e_kill "$E2E_PROGRAM_PID"
    E2E_PROGRAM_PID=
}

# Wall clock in microseconds, without starting a process.
now_us() { NOW_US=${EPOCHREALTIME//[.,]/}; }

calc() { awk "BEGIN { print $* }"; }

# Polls every 10 ms for a visible window of the given title pattern (at most
# 10 s); sets VISIBLE_AFTER to the seconds since the microsecond time $2.
# (xdotool's own --sync polls only twice a second, too coarse for start-up.)
wait_visible() {
    local pattern=$1 start=$2
    while :; do
        if [ -n "$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null)" ]; then
            now_us
            VISIBLE_AFTER=$(calc "($NOW_US - $start) / 1e6")
            return 0
        fi
        now_us
        [ $((NOW_US - start)) -lt 10000000 ] || fail "no window '$pattern' within 10 s"
        sleep 0.01
    done
}

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Median start-up of "$@" over STARTUP_RUNS launches; sets STARTUP.
measure_startup() {
    local pattern=$1 run start samples=()
    shift
    for run in $(seq "$STARTUP_RUNS"); do
        now_us
        start=$NOW_US
        launch "$@"
        wait_visible "$pattern" "$start"
        samples+=("$VISIBLE_AFTER")
        stop_program
        sleep 0.5
    done
    STARTUP=$(median "${samples[@]}")
    log "start-up samples (s): ${samples[*]}"
}

cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }

# CPU (% of one core) and peak RSS (MB) of the running program over
# MEASURE_S seconds; sets CPU and RSS.
measure_running() {
    local pid=$E2E_PROGRAM_PID ticks0 ticks1 t0 hz
    hz=$(getconf CLK_TCK)
    sleep "$SETTLE_S"
    ticks0=$(cpu_ticks "$pid") || fail "program ended before the measurement"
    now_us
    t0=$NOW_US
    sleep "$MEASURE_S"
    ticks1=$(cpu_ticks "$pid") || fail "program ended during the measurement"
    now_us
    CPU=$(calc "($ticks1 - $ticks0) / $hz / (($NOW_US - $t0) / 1e6) * 100")
    RSS=$(awk '/^VmHWM:/ { print $2 / 1024 }' "/proc/$pid/status")
}

ROWS=()
add_row() { ROWS+=("$(printf '%-14s %-16s %12.2f %12.1f %11s %9s' "$@")"); }

bench_korva() {
    local scenario steps startup
    e2e_fresh_config $'[Sprache]\nGerman=1'
    log "KORVA-Interface: start-up"
    measure_startup "^$CONSOLE_TITLE\$" "$E2E_PROGRAM"
    KORVA_STARTUP=$STARTUP
    for scenario in "${SCENARIOS[@]}"; do
        log "KORVA-Interface: $scenario"
        launch "$E2E_PROGRAM"
        now_us
        wait_visible "^$CONSOLE_TITLE\$" "$NOW_US"
        "scenario_$scenario"
        measure_running
        steps=-
        if declare -F "steps_$scenario" >/dev/null; then steps=$("steps_$scenario"); fi
        stop_program
        [ "$scenario" = "${SCENARIOS[0]}" ] && startup=$(printf '%.3f' "$KORVA_STARTUP") || startup=-
        add_row "${scenario//_/ }" KORVA-Interface "$CPU" "$RSS" "$startup" "$steps"
        [ "$scenario" = "${SCENARIOS[0]}" ] && { KORVA_CPU=$CPU; KORVA_RSS=$RSS; }
    done
}

bench_reference() {
    local binary pattern='^Phosphor'
    binary=$(reference_binary)
    if [ -z "$binary" ] || [ ! -x "$binary" ]; then
        log "reference phosphor not installed (xscreensaver-data-extra); left out"
        return 0
    fi
    local command=("$binary" --geometry "${SCREEN_W}x${SCREEN_H}" --program "cat $REFERENCE_TEXT")
    log "phosphor: start-up"
    measure_startup "$pattern" "${command[@]}"
    log "phosphor: running"
    launch "${command[@]}"
    now_us
    wait_visible "$pattern" "$NOW_US"
    measure_running
    stop_program
    add_row reference phosphor "$CPU" "$RSS" "$(printf '%.3f' "$STARTUP")" -
}

verdict() { awk -v a="$1" -v b="$2" 'BEGIN { print (a < b) ? "pass" : "FAIL" }'; }

report() {
    printf '%-14s %-16s %12s %12s %11s %9s\n' scenario program 'CPU % core' 'peak RSS MB' 'start-up s' 'steps/s'
    printf '%s\n' "${ROWS[@]}"
    echo
    echo "KORVA-Interface, powered off, against targets:"
    printf '  CPU       %6.2f %% of one core  < %s %%   %s\n' "$KORVA_CPU" "$TARGET_CPU" "$(verdict "$KORVA_CPU" "$TARGET_CPU")"
    printf '  peak RSS  %6.1f MB             < %s MB  %s\n' "$KORVA_RSS" "$TARGET_RSS_MB" "$(verdict "$KORVA_RSS" "$TARGET_RSS_MB")"
    printf '  start-up  %6.3f s              < %s s  %s\n' "$KORVA_STARTUP" "$TARGET_STARTUP_S" "$(verdict "$KORVA_STARTUP" "$TARGET_STARTUP_S")"
    echo "(CPU over ${MEASURE_S} s after ${SETTLE_S} s; start-up median of ${STARTUP_RUNS}; Xvfb ${SCREEN_W}x${SCREEN_H} with openbox; $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
}

e2e_init "$@"
bench_korva
bench_reference
out_dir=$(dirname "$0")/out
mkdir -p "$out_dir"
report | tee "$out_dir/latest.txt"
