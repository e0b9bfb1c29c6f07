#!/usr/bin/env bash
# English chosen in the language dialog with Alt+E: "0" is stored and the
# console's end caption reads differently from a German console's.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

end_caption() { e2e_shot "$1" $((ART_X + 40)) $((ART_Y + 498)) 63 17; }

# German reference from a stored choice.
e2e_start_program $'[Sprache]\nGerman=1'
e2e_expect_console
end_caption caption_german
e2e_expect_close_ends_program

e2e_fresh_config
e2e_start_program
e2e_press "$DIALOG_TITLE" alt+e
sleep 0.3
e2e_shot dialog_english 0 0 "$SCREEN_W" "$SCREEN_H"
e2e_press "$DIALOG_TITLE" Return
e2e_expect_setting Sprache German 0
e2e_expect_console
end_caption caption_english
e2e_shot console_english 0 0 "$SCREEN_W" "$SCREEN_H"
e2e_expect_close_ends_program

e2e_diff caption_german caption_english
[ "$DIFF" -gt 0 ] || fail "English end caption looks like the German one"
pass "English end caption differs from the German one ($DIFF pixels)"
