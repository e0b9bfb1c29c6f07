#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# First run: the language dialog comes before the console; Enter keeps Deutsch, Alt+E and Enter
# store English, whose end caption reads differently. The console shows with typing number panels;
# Alt+F4 ends the program with status 0.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

end_caption() { e2e_shot "$1" $((ART_X + 40)) $((ART_Y + 498)) 63 17; }

e2e_start_program
e2e_expect_window "$DIALOG_TITLE"
[ -z "$(e2e_windows "$CONSOLE_TITLE" --onlyvisible)" ] || fail "console shown while the language dialog is open"
pass "language dialog shown on the first run, no console beside it"
e2e_press "$DIALOG_TITLE" Return
e2e_expect_setting Sprache German 1
e2e_expect_console
[ -z "$(e2e_windows "$DIALOG_TITLE" --onlyvisible)" ] || fail "language dialog still shown beside the console"

e2e_expect_artwork_centred

# The number panels keep typing.
e2e_shot numbers_1 $((ART_X + 128)) $((ART_Y + 56)) 409 112
sleep 2
e2e_shot numbers_2 $((ART_X + 128)) $((ART_Y + 56)) 409 112
e2e_diff numbers_1 numbers_2
[ "$DIFF" -gt 0 ] || fail "number area unchanged after 2 s"
pass "number area changed within 2 s ($DIFF pixels)"
end_caption caption_german
e2e_expect_close_ends_program

e2e_fresh_config
e2e_start_program
e2e_press "$DIALOG_TITLE" alt+e
sleep 0.3
e2e_press "$DIALOG_TITLE" Return
e2e_expect_setting Sprache German 0
e2e_expect_console
end_caption caption_english
e2e_expect_close_ends_program
e2e_diff caption_german caption_english
[ "$DIFF" -gt 0 ] || fail "English end caption looks like the German one"
pass "English end caption differs from the German one ($DIFF pixels)"
