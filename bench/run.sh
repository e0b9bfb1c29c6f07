#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmark: the real program on its own Xvfb display (1024 x 768, openbox) in
# fixed scenarios, beside a reference program measured in the same run, so the
# figures read as ratios on any machine.
#
#   bench/run.sh PATH/TO/korva-interface
#
# Per scenario: CPU as a percentage of one core over MEASURE_S seconds after
# SETTLE_S seconds, peak resident memory (VmHWM) at the end, the growth of the
# resident memory (VmRSS) from the start of the measurement to its end, and
# optionally the bar steps per second. Start-up is the median time from launch
# to the console window being visible, plain and with --zoom fit. The tables go
# to stdout and to bench/out/latest.txt. Beside the scenarios: the screen saver
# in a 1920 x 1080 window and the console zoomed to fit 3840 x 2160, each on a
# display of its own.
#
# Scenarios are the functions scenario_NAME listed in SCENARIOS, run after the
# console is visible (to click artwork pixel X,Y:
# xdotool mousemove $((ART_X + X)) $((ART_Y + Y)) click 1); a function
# config_NAME, if defined, prints the settings file the program starts with;
# a function args_NAME, if defined, prints its command-line options (--zoom F
# scales the artwork's clicks and areas); a function steps_NAME, if defined, prints the achieved steps per second for
# its scenario and runs after the program of the scenario has ended.
#
# The steps per second come from the barsteps program beside the console
# program (built from bench/barsteps.cpp), run for STEPS_S seconds. The
# durations of the blank screen's entry and return come from blanktimes
# (bench/blanktimes.cpp), medians of BLANK_RUNS runs.

NAME=bench
export LC_ALL=C
. "$(dirname "$0")/../tests/e2e/lib.sh"

STARTUP_RUNS=${STARTUP_RUNS:-5}
SETTLE_S=${SETTLE_S:-2}
MEASURE_S=${MEASURE_S:-20}
STEPS_S=${STEPS_S:-10}
BLANK_RUNS=${BLANK_RUNS:-5}
TARGET_CPU_OFF=1.5
TARGET_CPU_BARS=3
TARGET_STEPS=85
TARGET_RSS_MB=80
TARGET_GROWTH_MB=0
TARGET_STARTUP_S=0.5

SCENARIOS=(powered_off blank_screen bars_very_slow bars_slow bars_normal bars_fast bars_very_fast bars_half)

# The console as it starts: powered off, number panels typing, the colours
# flickering and the pills shuffling.
config_powered_off() { printf '[Sprache]\nGerman=1\n\n[Optionen]\nSSaver=0\n'; }
scenario_powered_off() { :; }

# The black screen shown at once by Image4, the console powered off behind
# it: everything goes on running below the black screen.
config_blank_screen() { config_powered_off; }
scenario_blank_screen() {
    artwork_drawn
    click_art $((11370 / 15 + 19)) $((2880 / 15 + 8))
    retry 50 0.2 'shot logo 327 81 369 284 && lit logo && [ "$LIT" -gt 30000 ]' ||
        fail "no black screen with the logo after a click on Image4"
}

# The bar graph running at each speed, "Very slow" (-1) to "Very fast" (3):
# power on and Start, clicked as a person would.
bars_config() { printf '[Sprache]\nGerman=1\n\n[Optionen]\nAniSpeed=%s\nSSaver=0\n' "$1"; }
config_bars_very_slow() { bars_config -1; }
config_bars_slow() { bars_config 0; }
config_bars_normal() { bars_config 1; }
config_bars_fast() { bars_config 2; }
config_bars_very_fast() { bars_config 3; }
scenario_bars_very_slow() { bars_start; }
scenario_bars_slow() { bars_start; }
scenario_bars_normal() { bars_start; }
scenario_bars_fast() { bars_start; }
scenario_bars_very_fast() { bars_start; }
steps_bars_very_slow() { bar_steps -1; }
steps_bars_slow() { bar_steps 0; }
steps_bars_normal() { bar_steps 1; }
steps_bars_fast() { bar_steps 2; }
steps_bars_very_fast() { bar_steps 3; }

# The bar graph at normal speed drawn half as large (--zoom 0.5), centred on the same screen.
# A function args_NAME prints the options its scenario starts the program with.
config_bars_half() { bars_config 1; }
args_bars_half() { echo --zoom 0.5; }
scenario_bars_half() { bars_start; }

# Artwork pixels scale with the zoom of the zoomed scenarios.
ZOOM=1
art_x() { calc "int($ART_X + $1 * $ZOOM + 0.5)"; }
art_y() { calc "int($ART_Y + $1 * $ZOOM + 0.5)"; }
art_size() { calc "int($1 * $ZOOM + 0.5)"; }
click_art() { xdotool mousemove "$(art_x "$1")" "$(art_y "$2")" click 1; }
bar_area() { shot "$1" "$(art_x 120)" "$(art_y 216)" "$(art_size 681)" "$(art_size 305)"; }
artwork_drawn() { drawn artwork "$ART_X" "$ART_Y" "$(art_size 800)" "$(art_size 554)" "$(calc "int(800 * 554 / 4 * $ZOOM * $ZOOM)")"; }
# ZOOM, ART_X and ART_Y for the artwork at a zoom factor (1 without one) centred on the screen.
zoom_to() {
    ZOOM=${1:-1} ART_X=$(calc "int(($SCREEN_W - 800 * ${1:-1}) / 2)") ART_Y=$(calc "int(($SCREEN_H - 554 * ${1:-1}) / 2)")
}

# Waits for the artwork to be drawn, clicks the power block (Image7), then
# Start (Image1), and checks that the bars move.
bars_start() {
    artwork_drawn
    click_art 56 342
    sleep 0.3
    click_art 56 389
    sleep 0.5
    bar_area bars_1
    sleep 0.5
    bar_area bars_2
    diffpx bars_1 bars_2
    [ "$DIFF" -gt "$(calc "int(100 * $ZOOM * $ZOOM)")" ] || fail "the bars do not move after power on and Start ($DIFF pixels changed)"
}

# Steps per second of the bar graph at speed $1, from barsteps.
bar_steps() {
    local program steps
    program=$(dirname "$PROGRAM")/barsteps
    if [ ! -x "$program" ]; then
        log "no $program (built from bench/barsteps.cpp); steps/s left out" >&2
        echo -
        return 0
    fi
    steps=$(timeout $((STEPS_S + 30)) "$program" "$1" "$STEPS_S" 2>>"$WORK/barsteps.log" | tail -n 1)
    case $steps in
    [0-9]*) echo "$steps" ;;
    *)
        log "barsteps at speed $1 gave no figure: $(tail -n 3 "$WORK/barsteps.log")" >&2
        echo -
        ;;
    esac
}

# Median durations of the blank screen's entry and return, from blanktimes;
# sets BLANK_ENTRY and BLANK_RETURN.
blank_times() {
    local program times
    BLANK_ENTRY=- BLANK_RETURN=-
    program=$(dirname "$PROGRAM")/blanktimes
    if [ ! -x "$program" ]; then
        log "no $program (built from bench/blanktimes.cpp); durations left out"
        return 0
    fi
    log "KORVA-Interface: blank screen entry and return, $BLANK_RUNS runs"
    times=$(timeout 60 "$program" "$BLANK_RUNS" 2>>"$WORK/blanktimes.log" | tail -n 1)
    case $times in
    [0-9]*' '[0-9]*) read -r BLANK_ENTRY BLANK_RETURN <<<"$times" ;;
    *) log "blanktimes gave no figures: $(tail -n 3 "$WORK/blanktimes.log")" ;;
    esac
}

# The reference: the phosphor hack of xscreensaver-data-extra typing a fixed
# text in a window the size of the screen.
reference_binary() {
    dpkg -L xscreensaver-data-extra 2>/dev/null | grep '/phosphor$' | head -n 1
}
REFERENCE_TEXT=/usr/share/common-licenses/GPL-3

# Launches a program ($@) and sets PROGRAM_PID.
launch() {
    "$@" >>"$WORK/launch.log" 2>&1 &
    PROGRAM_PID=$!
}

stop_program() {
    stop "$PROGRAM_PID"
    PROGRAM_PID=
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

# A memory figure of /proc/PID/status, in kB: status_kb PID FIELD.
status_kb() { awk -v field="$2:" '$1 == field { print $2 }' "/proc/$1/status"; }

# CPU (% of one core), peak RSS (MB) and RSS growth (MB, end minus start) of
# the running program over MEASURE_S seconds; sets CPU, RSS and GROWTH.
measure_running() {
    local pid=$PROGRAM_PID ticks0 ticks1 t0 hz rss0 rss1
    hz=$(getconf CLK_TCK)
    sleep "$SETTLE_S"
    ticks0=$(cpu_ticks "$pid") || fail "program ended before the measurement"
    rss0=$(status_kb "$pid" VmRSS)
    now_us
    t0=$NOW_US
    sleep "$MEASURE_S"
    ticks1=$(cpu_ticks "$pid") || fail "program ended during the measurement"
    rss1=$(status_kb "$pid" VmRSS)
    now_us
    CPU=$(calc "($ticks1 - $ticks0) / $hz / (($NOW_US - $t0) / 1e6) * 100")
    RSS=$(calc "$(status_kb "$pid" VmHWM) / 1024")
    GROWTH=$(calc "($rss1 - $rss0) / 1024")
    log "VmRSS $rss0 kB at the start, $rss1 kB at the end"
}

ROWS=()
add_row() { ROWS+=("$(printf '%-16s %-16s %10.2f %11.1f %10s %10s %9s' "$1" "$2" "$3" "$4" "$(printf '%+.2f' "$5")" "$6" "$7")"); }
declare -A K_CPU K_RSS K_GROWTH K_STEPS

# The settings file a scenario starts with.
scenario_config() {
    if declare -F "config_$1" >/dev/null; then
        fresh_config "$("config_$1")"
    else
        fresh_config $'[Sprache]\nGerman=1'
    fi
}

bench_korva() {
    local scenario steps startup
    scenario_config "${SCENARIOS[0]}"
    log "KORVA-Interface: start-up"
    measure_startup "^$CONSOLE\$" "$PROGRAM"
    KORVA_STARTUP=$STARTUP
    log "KORVA-Interface: start-up with --zoom fit"
    measure_startup "^$CONSOLE\$" "$PROGRAM" --zoom fit
    KORVA_STARTUP_FIT=$STARTUP
    for scenario in "${SCENARIOS[@]}"; do
        log "KORVA-Interface: $scenario"
        scenario_config "$scenario"
        local args=()
        ! declare -F "args_$scenario" >/dev/null || read -ra args <<<"$("args_$scenario")"
        [ "${args[0]:-}" = --zoom ] && zoom_to "${args[1]}"
        launch "$PROGRAM" "${args[@]}"
        now_us
        wait_visible "^$CONSOLE\$" "$NOW_US"
        "scenario_$scenario"
        measure_running
        stop_program
        zoom_to
        steps=-
        if declare -F "steps_$scenario" >/dev/null; then
            log "KORVA-Interface: $scenario, steps per second"
            steps=$("steps_$scenario")
        fi
        [ "$scenario" = "${SCENARIOS[0]}" ] && startup=$(printf '%.3f' "$KORVA_STARTUP") || startup=-
        add_row "${scenario//_/ }" KORVA-Interface "$CPU" "$RSS" "$GROWTH" "$startup" "$steps"
        K_CPU[$scenario]=$CPU
        K_RSS[$scenario]=$RSS
        K_GROWTH[$scenario]=$GROWTH
        K_STEPS[$scenario]=$steps
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
    add_row reference phosphor "$CPU" "$RSS" "$GROWTH" "$(printf '%.3f' "$STARTUP")" -
    REF_CPU=$CPU REF_RSS=$RSS REF_GROWTH=$GROWTH REF_STARTUP=$STARTUP
}

# The options dialog: the time from the click on the options button to the
# dialog shown, for the first opening (the dialog's pictures rendered for the
# first time) and a later one, and the console's CPU while the dialog is open.
TARGET_OPTIONS_MS=100
OPTIONS_OPENINGS=${OPTIONS_OPENINGS:-5}

# Clicks the options button and sets OPENED_MS to the time until the dialog shows.
open_options() {
    # The clock starts when xdotool has sent the click, not when it starts.
    click_art 78 460
    now_us
    wait_visible '^Optionen$' "$NOW_US"
    OPENED_MS=$(calc "$VISIBLE_AFTER * 1000")
}

close_options() {
    xdotool key Escape
    local tries=100
    while [ -n "$(xdotool search --onlyvisible --name '^Optionen$' 2>/dev/null)" ]; do
        [ $((tries -= 1)) -gt 0 ] || fail "the options dialog does not close on Esc"
        sleep 0.05
    done
}

bench_options() {
    local run later=()
    log "KORVA-Interface: options dialog"
    scenario_config powered_off
    launch "$PROGRAM"
    now_us
    wait_visible "^$CONSOLE\$" "$NOW_US"
    artwork_drawn
    open_options
    OPTIONS_FIRST_MS=$OPENED_MS
    for run in $(seq "$OPTIONS_OPENINGS"); do
        close_options
        sleep 0.3
        open_options
        later+=("$OPENED_MS")
    done
    log "later openings (ms): ${later[*]}"
    OPTIONS_LATER_MS=$(median "${later[@]}")
    measure_running
    OPTIONS_CPU=$CPU
    stop_program
}

options_report() {
    printf 'options dialog: first opening %.0f ms, later openings %.0f ms (median of %s) < %s ms  %s\n' \
        "$OPTIONS_FIRST_MS" "$OPTIONS_LATER_MS" "$OPTIONS_OPENINGS" "$TARGET_OPTIONS_MS" \
        "$(verdict "$OPTIONS_FIRST_MS" "$TARGET_OPTIONS_MS")"
    printf '                CPU with the dialog open %.2f %% of one core < %s  %s\n' \
        "$OPTIONS_CPU" "$TARGET_CPU_OFF" "$(verdict "$OPTIONS_CPU" "$TARGET_CPU_OFF")"
}

# The console zoomed to fit a 3840 x 2160 screen (--zoom fit), on a display of
# its own, beside the same scenarios unzoomed at 1024 x 768 above: zoomed, the
# running bars may cost at most twice their unzoomed CPU, the powered-off
# console at most 1.5 times.
ZOOMED_W=3840 ZOOMED_H=2160
declare -A ZOOMED_TARGET=([powered_off]=1.5 [bars_normal]=2) Z_CPU Z_RSS

# Switches DISPLAY to a new Xvfb of one WxH screen, named NAME in the work folder; the display it
# leaves in FIRST_DISPLAY.
other_display() {
    local number=$WORK/$1-display
    Xvfb -displayfd 3 -screen 0 "$2x$3x24" -nolisten tcp 3>"$number" >"$WORK/$1-Xvfb.log" 2>&1 &
    PIDS="$PIDS $!"
    retry 100 0.1 'grep -qx "[0-9][0-9]*" "$number" 2>/dev/null' || fail "the $1 display did not start"
    FIRST_DISPLAY=$DISPLAY DISPLAY=:$(cat "$number")
}

bench_zoomed() {
    local scenario display
    other_display zoomed "$ZOOMED_W" "$ZOOMED_H"
    display=$FIRST_DISPLAY
    XDG_CONFIG_HOME=$WORK/wm-config helper openbox
    retry 100 0.1 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
        fail "openbox did not start on the zoomed display"
    ZOOM=$(calc "$ZOOMED_H / 554") ART_X=$(calc "int(($ZOOMED_W - 800 * $ZOOMED_H / 554) / 2)") ART_Y=0
    for scenario in "${!ZOOMED_TARGET[@]}"; do
        log "KORVA-Interface: $scenario, zoomed to fit ${ZOOMED_W}x$ZOOMED_H"
        scenario_config "$scenario"
        launch "$PROGRAM" --zoom fit
        now_us
        wait_visible "^$CONSOLE\$" "$NOW_US"
        "scenario_$scenario"
        measure_running
        stop_program
        Z_CPU[$scenario]=$CPU Z_RSS[$scenario]=$RSS
    done
    DISPLAY=$display ZOOM=1
}

# Screen-saver mode at 1920 x 1080: the program draws into a plain window of that size handed to it
# by its id (--window-id, as the xscreensaver daemon hands a hack its window; measured without the
# daemon, whose own processes and grabs would blur the figures), on a display of its own without a
# window manager, beside phosphor drawing into a window of the same size. Within the first three
# minutes the console shows the running bar graph, not yet its black screen. Its CPU may be at most
# twice that of the unzoomed bar graph at normal speed, its memory at most 120 MB.
SAVER_W=1920 SAVER_H=1080 TARGET_SAVER_RATIO=2 TARGET_SAVER_RSS_MB=120

bench_saver() {
    local display binary
    MAKEWINDOW=$(dirname "$PROGRAM")/makewindow
    [ -x "$MAKEWINDOW" ] || fail "no $MAKEWINDOW (built from tools/makewindow)"
    other_display saver "$SAVER_W" "$SAVER_H"
    display=$FIRST_DISPLAY
    log "KORVA-Interface: screen saver in a ${SAVER_W}x$SAVER_H window"
    fresh_config
    make_window "${SAVER_W}x$SAVER_H"
    launch "$PROGRAM" --window-id "$WIN"
    drawn saver 0 0 "$SAVER_W" "$SAVER_H" $((SAVER_W * SAVER_H / 8))
    measure_running
    stop_program
    stop "$MAKER"
    S_CPU=$CPU S_RSS=$RSS S_GROWTH=$GROWTH
    binary=$(reference_binary)
    if [ -n "$binary" ] && [ -x "$binary" ]; then
        log "phosphor: in a ${SAVER_W}x$SAVER_H window"
        make_window "${SAVER_W}x$SAVER_H"
        launch "$binary" --window-id "$WIN" --program "cat $REFERENCE_TEXT"
        measure_running
        stop_program
        stop "$MAKER"
        SR_CPU=$CPU SR_RSS=$RSS
    fi
    DISPLAY=$display
}

saver_report() {
    local ratio
    ratio=$(calc "$S_CPU / ${K_CPU[bars_normal]}")
    echo "Screen saver (--window-id into a ${SAVER_W}x$SAVER_H window, no daemon) against the unzoomed bar graph at normal speed:"
    printf '  CPU %5.2f against %5.2f: %.2fx <= %s  %s   peak RSS %.1f MB <= %s  %s   RSS growth %+.2f MB' \
        "$S_CPU" "${K_CPU[bars_normal]}" "$ratio" "$TARGET_SAVER_RATIO" "$(verdict_le "$ratio" "$TARGET_SAVER_RATIO")" \
        "$S_RSS" "$TARGET_SAVER_RSS_MB" "$(verdict_le "$S_RSS" "$TARGET_SAVER_RSS_MB")" "$S_GROWTH"
    if [ -n "${SR_CPU:-}" ]; then
        printf '   (phosphor: %.2f %% CPU, %.1f MB peak)\n' "$SR_CPU" "$SR_RSS"
    else
        printf '   (no phosphor reference)\n'
    fi
}

# Any size: drawn half as large, the bar graph may cost no more than unzoomed; asking the display for
# its size, --zoom fit may start at most 1.2 times as slowly as a plain start.
TARGET_FIT_STARTUP_RATIO=1.2
sizes_report() {
    local ratio
    echo "Any size at ${SCREEN_W}x$SCREEN_H:"
    printf '  bars normal at --zoom 0.5  CPU %5.2f <= unzoomed %5.2f  %s   peak RSS %.1f MB\n' "${K_CPU[bars_half]}" \
        "${K_CPU[bars_normal]}" "$(verdict_le "${K_CPU[bars_half]}" "${K_CPU[bars_normal]}")" "${K_RSS[bars_half]}"
    ratio=$(calc "$KORVA_STARTUP_FIT / $KORVA_STARTUP")
    printf '  start-up with --zoom fit %.3f s against plain %.3f s: %.2fx <= %s  %s\n' "$KORVA_STARTUP_FIT" \
        "$KORVA_STARTUP" "$ratio" "$TARGET_FIT_STARTUP_RATIO" "$(verdict_le "$ratio" "$TARGET_FIT_STARTUP_RATIO")"
}

zoomed_report() {
    local scenario ratio
    echo "Zoomed to fit ${ZOOMED_W}x$ZOOMED_H (factor $(printf '%.2f' "$ZOOM_FACTOR")) against unzoomed at ${SCREEN_W}x$SCREEN_H:"
    for scenario in powered_off bars_normal; do
        ratio=$(calc "${Z_CPU[$scenario]} / ${K_CPU[$scenario]}")
        printf '  %-16s CPU %5.2f against %5.2f: %.2fx <= %s  %s   peak RSS %.1f MB\n' "${scenario//_/ }" \
            "${Z_CPU[$scenario]}" "${K_CPU[$scenario]}" "$ratio" "${ZOOMED_TARGET[$scenario]}" \
            "$(verdict_le "$ratio" "${ZOOMED_TARGET[$scenario]}")" "${Z_RSS[$scenario]}"
    done
}
ZOOM_FACTOR=$(awk "BEGIN { print $ZOOMED_H / 554 }")

verdict() { awk -v a="$1" -v b="$2" 'BEGIN { print (a < b) ? "pass" : "FAIL" }'; }
verdict_le() { awk -v a="$1" -v b="$2" 'BEGIN { print (a <= b) ? "pass" : "FAIL" }'; }
verdict_ge() { awk -v a="$1" -v b="$2" 'BEGIN { print (a >= b) ? "pass" : "FAIL" }'; }

# One line of figures against targets: value and verdict per column.
target_row() {
    local scenario=$1 cpu_target=$2 cpu=${K_CPU[$1]} steps=${K_STEPS[$1]} ratio steps_cell
    ratio=-
    [ -n "${REF_CPU:-}" ] && awk -v r="$REF_CPU" 'BEGIN { exit !(r > 0) }' &&
        ratio=$(printf '%.1fx' "$(calc "$cpu / $REF_CPU")")
    if [ "$steps" = - ]; then
        steps_cell=-
    else
        steps_cell=$(printf '%.1f %s' "$steps" "$(verdict_ge "$steps" "$TARGET_STEPS")")
    fi
    printf '  %-16s %5.2f < %-3s %-4s %6s   %-10s  %+6.2f %-4s  %5.1f %s\n' "${scenario//_/ }" \
        "$cpu" "$cpu_target" "$(verdict "$cpu" "$cpu_target")" "$ratio" "$steps_cell" \
        "${K_GROWTH[$1]}" "$(verdict_le "${K_GROWTH[$1]}" "$TARGET_GROWTH_MB")" \
        "${K_RSS[$1]}" "$(verdict "${K_RSS[$1]}" "$TARGET_RSS_MB")"
}

report() {
    local scenario
    printf '%-16s %-16s %10s %11s %10s %10s %9s\n' scenario program 'CPU % core' 'peak RSS MB' 'RSS grw MB' 'start-up s' 'steps/s'
    printf '%s\n' "${ROWS[@]}"
    echo
    echo "KORVA-Interface against targets (CPU % of one core, x phosphor; steps/s >= $TARGET_STEPS;"
    echo "RSS growth MB <= $TARGET_GROWTH_MB; peak RSS MB < $TARGET_RSS_MB):"
    printf '  %-16s %-17s%6s   %-10s  %-11s  %s\n' scenario 'CPU % core' 'x ref' 'steps/s' 'RSS growth' 'peak RSS'
    for scenario in "${SCENARIOS[@]}"; do
        case $scenario in
        bars_*) target_row "$scenario" "$TARGET_CPU_BARS" ;;
        *) target_row "$scenario" "$TARGET_CPU_OFF" ;;
        esac
    done
    # Hidden below the black screen, the console must cost no more than when it shows.
    printf '  blank screen CPU %.2f <= powered off %.2f  %s\n' "${K_CPU[blank_screen]}" \
        "${K_CPU[powered_off]}" "$(verdict_le "${K_CPU[blank_screen]}" "${K_CPU[powered_off]}")"
    printf '  blank screen entry %s s, return %s s (their waits: 0.75 s and 0.60 s; median of %s)\n' \
        "$BLANK_ENTRY" "$BLANK_RETURN" "$BLANK_RUNS"
    printf '  start-up %.3f s < %s s  %s' "$KORVA_STARTUP" "$TARGET_STARTUP_S" "$(verdict "$KORVA_STARTUP" "$TARGET_STARTUP_S")"
    if [ -n "${REF_CPU:-}" ]; then
        printf '   (phosphor: %.2f %% CPU, %.1f MB peak, %+.2f MB growth, %.3f s start-up)\n' \
            "$REF_CPU" "$REF_RSS" "$REF_GROWTH" "$REF_STARTUP"
    else
        printf '   (no phosphor reference)\n'
    fi
    echo "(CPU and memory over ${MEASURE_S} s after ${SETTLE_S} s; steps/s over ${STEPS_S} s after 2 s;"
    echo " start-up median of ${STARTUP_RUNS}; Xvfb ${SCREEN_W}x${SCREEN_H} with openbox; $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
}

e2e_init "$@"
bench_korva
blank_times
bench_options
bench_reference
bench_saver
bench_zoomed
out_dir=$(dirname "$0")/out
mkdir -p "$out_dir"
{
    report
    options_report
    sizes_report
    saver_report
    zoomed_report
} | tee "$out_dir/latest.txt"
