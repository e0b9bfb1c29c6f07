#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install into a temporary DESTDIR: the tree a desktop expects, a valid menu entry and AppStream data. The
# installed program, started by the menu entry's Exec line, asks for the language on a fresh settings folder;
# --language en skips the question, and the installed ResetLanguage brings it back. Then `make package`: a .deb
# that lintian passes without errors, whose Depends come from the shared libraries plus the X11 platform plugin,
# and which holds exactly the installed tree.
BUILD=${1:?build folder}
. "$(dirname "$0")/lib.sh"
e2e_init "$BUILD/bin/korva-interface"
if ! hash desktop-file-validate appstreamcli identify lintian dpkg-deb dpkg-shlibdeps; then
    log "SKIP: desktop-file-utils, appstream, imagemagick, lintian or dpkg-dev missing"
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
desktop-file-validate "$ROOT/share/applications/$APP.desktop" || fail "menu entry invalid"
appstreamcli validate --no-net "$ROOT/share/metainfo/$APP.metainfo.xml" >"$E2E_WORK/appstream.log" 2>&1 ||
    fail "AppStream data invalid: $(cat "$E2E_WORK/appstream.log")"
pass "installed tree complete, menu entry and AppStream data valid"

read -r EXEC _ < <(sed -n 's/^Exec=//p' "$ROOT/share/applications/$APP.desktop")
case $EXEC in
/*) E2E_PROGRAM=$DEST$EXEC ;;
*) E2E_PROGRAM=$ROOT/bin/$EXEC ;;
esac
[ -x "$E2E_PROGRAM" ] || fail "Exec=$EXEC is not an installed program"
e2e_start_program
e2e_expect_window "$DIALOG_TITLE"
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

rm -f "$BUILD"/korva-interface_*.deb
cmake --build "$BUILD" --target package >"$E2E_WORK/cpack.log" 2>&1 || fail "make package: $(tail -n 5 "$E2E_WORK/cpack.log")"
DEB=$(ls "$BUILD"/korva-interface_*_*.deb) || fail "no .deb built"
lintian --fail-on error "$DEB" >"$E2E_WORK/lintian.log" 2>&1 || fail "lintian: $(cat "$E2E_WORK/lintian.log")"
depends=$(dpkg-deb -f "$DEB" Depends)
for want in libqt6widgets6 libqt6multimedia6 libqt6svg6 qt6-qpa-plugins; do
    grep -q "\b$want\b" <<<"$depends" || fail "Depends lacks $want: $depends"
done
[ "$(dpkg-deb -f "$DEB" Maintainer)" = "KORVA-Interface team <korva-interface@example.org>" ] || fail "maintainer"
[ -n "$(dpkg-deb -f "$DEB" Section)" ] || fail "no section"
(cd "$DEST" && find . ! -type d | sort) >"$E2E_WORK/installed"
dpkg-deb --contents "$DEB" | awk '$1 !~ /^d/ { print $6 }' | sort >"$E2E_WORK/packaged"
diff "$E2E_WORK/installed" "$E2E_WORK/packaged" || fail "the package and the installed tree differ"
pass "lintian passes the .deb; Depends, Maintainer and Section set; it holds the installed tree"
