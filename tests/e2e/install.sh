#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install into a temporary DESTDIR: the tree a desktop expects, a valid menu entry and AppStream data. The
# installed program, started by the menu entry's Exec line, asks for the language on a fresh settings folder;
# --language en skips the question, and the installed ResetLanguage brings it back.
BUILD=${1:?build folder}
. "$(dirname "$0")/lib.sh"
e2e_init "$BUILD/bin/korva-interface"
if ! hash desktop-file-validate appstreamcli identify; then
    log "SKIP: desktop-file-validate, appstreamcli or identify missing"
    exit 77
fi

DEST=$E2E_WORK/dest ROOT=$E2E_WORK/dest/usr APP=org.example.korva_interface
DESTDIR=$DEST cmake --install "$BUILD" --prefix /usr >"$E2E_WORK/install.log" 2>&1 ||
    fail "cmake --install failed: $(tail -n 3 "$E2E_WORK/install.log")"
for file in lib/korva-interface/{korva-interface,ResetLanguage,1.wav,2.wav,8.wav,10.wav,13.wav} \
    share/applications/$APP.desktop share/metainfo/$APP.metainfo.xml share/man/man6/korva-interface.6.gz \
    share/icons/hicolor/scalable/apps/korva-interface.svg share/doc/korva-interface/{copyright,LICENSE}; do
    [ -s "$ROOT/$file" ] || fail "not installed: $file"
done
for size in 32 48 64 128 256; do
    png=$ROOT/share/icons/hicolor/${size}x$size/apps/korva-interface.png
    [ "$(identify -format %wx%h "$png" 2>/dev/null)" = "${size}x$size" ] || fail "no $size px icon"
done
[ "$(readlink "$ROOT/bin/korva-interface")" = ../lib/korva-interface/korva-interface ] ||
    fail "bin/korva-interface does not link to the program folder"
gzip -t "$ROOT/share/man/man6/korva-interface.6.gz" || fail "manual page is not gzip"
pass "installed tree complete"

desktop-file-validate "$ROOT/share/applications/$APP.desktop" || fail "menu entry invalid"
appstreamcli validate --no-net "$ROOT/share/metainfo/$APP.metainfo.xml" >"$E2E_WORK/appstream.log" 2>&1 ||
    fail "AppStream data invalid: $(cat "$E2E_WORK/appstream.log")"
pass "menu entry and AppStream data valid"

# The Exec line's command, found as the desktop finds it: absolute, or in the prefix's bin/.
read -r EXEC _ < <(sed -n 's/^Exec=//p' "$ROOT/share/applications/$APP.desktop")
case $EXEC in
/*) E2E_PROGRAM=$DEST$EXEC ;;
*) E2E_PROGRAM=$ROOT/bin/$EXEC ;;
esac
[ -x "$E2E_PROGRAM" ] || fail "Exec=$EXEC is not an installed program"
e2e_start_program
e2e_expect_window "$DIALOG_TITLE"
pass "installed program asks for the language on the first run"
e2e_press "$DIALOG_TITLE" Return
e2e_expect_console
e2e_expect_close_ends_program

e2e_fresh_config
E2E_RUN=$((E2E_RUN + 1))
"$E2E_PROGRAM" --language en >"$E2E_WORK/program-$E2E_RUN.log" 2>&1 &
E2E_PROGRAM_PID=$!
e2e_expect_console
[ -z "$(e2e_windows "$DIALOG_TITLE")" ] || fail "language dialog shown after --language en"
e2e_expect_setting Sprache German 0
e2e_expect_close_ends_program

"$ROOT/lib/korva-interface/ResetLanguage" >/dev/null || fail "ResetLanguage failed"
[ -z "$(e2e_setting Sprache German)" ] || fail "ResetLanguage left the language choice"
e2e_start_program
e2e_expect_window "$DIALOG_TITLE"
pass "after ResetLanguage the language dialog asks again"
