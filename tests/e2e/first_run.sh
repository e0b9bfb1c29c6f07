#!/usr/bin/env bash
# First run: the language dialog comes before the console; Enter keeps Deutsch and stores it; the console
# shows with typing number panels; Alt+F4 ends the program with status 0. A second run goes straight to the console.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_start_program
e2e_expect_window "$DIALOG_TITLE"
pass "language dialog shown on the first run"
[ -z "$(e2e_windows "$CONSOLE_TITLE" --onlyvisible)" ] || fail "console shown while the language dialog is open"
pass "no console window while the dialog is open"
e2e_shot dialog 0 0 "$SCREEN_W" "$SCREEN_H"

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

e2e_shot caption_end_1 $((ART_X + 40)) $((ART_Y + 498)) 63 17
e2e_expect_close_ends_program

# Second run with the stored choice: no dialog, the same German console.
e2e_start_program
e2e_expect_console
[ -z "$(e2e_windows "$DIALOG_TITLE")" ] || fail "language dialog shown again on the second run"
pass "second run shows no language dialog"
e2e_expect_setting Sprache German 1
e2e_shot caption_end_2 $((ART_X + 40)) $((ART_Y + 498)) 63 17
e2e_diff caption_end_1 caption_end_2
[ "$DIFF" = 0 ] || fail "end caption differs between the first and second German run ($DIFF pixels)"
pass "second run shows the same German end caption"
e2e_expect_close_ends_program
