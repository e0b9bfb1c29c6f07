#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program carries its stand-in fonts: with every installed font hidden from fontconfig the powered-off console
# shows the artwork's title and the caption column (artwork lettering, Power, Optionen, Ende) as it does normally.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

GERMAN='[Sprache]
German=1'
shots() {
    e2e_expect_console
    e2e_shot "title-$1" $((ART_X + 530)) "$ART_Y" 270 50
    e2e_shot "captions-$1" "$ART_X" $((ART_Y + 320)) 108 195
    e2e_expect_close_ends_program
}
# Pixels that differ by more than a trace of anti-aliasing; at most 1 % of the area.
expect_alike() {
    local diff
    diff=$(compare -metric AE -fuzz 15% "$E2E_WORK/$1-normal.png" "$E2E_WORK/$1-bare.png" null: 2>&1)
    [ $? -le 1 ] || fail "compare $1 failed: $diff"
    diff=${diff%% *}
    [ "$diff" -le $(($2 / 100)) ] || fail "$1 differs without installed fonts: $diff of $2 pixels"
    pass "$1 alike without installed fonts ($diff of $2 pixels differ)"
}

e2e_start_program "$GERMAN"
shots normal

# The system's rendering rules (hinting, anti-aliasing) without its font folders.
printf '<?xml version="1.0"?>\n<fontconfig><include ignore_missing="yes">%s</include><cachedir>%s</cachedir></fontconfig>\n' \
    /etc/fonts/conf.d "$E2E_WORK/fc-cache" >"$E2E_WORK/nofonts.conf"
export FONTCONFIG_FILE=$E2E_WORK/nofonts.conf
[ -z "$(fc-list 2>/dev/null)" ] || fail "fontconfig still lists fonts"
e2e_start_program "$GERMAN"
shots bare
unset FONTCONFIG_FILE

expect_alike title $((270 * 50))
expect_alike captions $((108 * 195))
