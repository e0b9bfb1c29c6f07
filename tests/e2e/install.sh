# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install into a DESTDIR: the tree of installed.txt, menu entry, AppStream data, the screen-saver
# hack, its description and menu entry, the program started as the menu starts it with the window class
# the menu entry names, ResetLanguage; then a .deb of `make package` lintian passes, same tree, one
# version everywhere.
BUILD=${1:?build folder}
. "$(dirname "$0")/lib.sh"
e2e_init "$BUILD/bin/korva-interface"
hash desktop-file-validate appstreamcli identify lintian dpkg-deb dpkg-shlibdeps xmllint ||
    { log "SKIP: packaging tools missing" && exit 77; }
DEST=$WORK/dest ROOT=$WORK/dest/usr APP=org.example.korva_interface
DESTDIR=$DEST cmake --install "$BUILD" --prefix /usr >"$WORK/install.log" 2>&1 ||
    fail "cmake --install: $(tail -n 3 "$WORK/install.log")"
listed() { LC_ALL=C sort | diff <(grep -v '^#' "${0%/*}/installed.txt") -; } # the files read are those of installed.txt
(cd "$DEST" && find . ! -type d ! -empty) | listed || fail "the installed tree differs from installed.txt"
for png in "$ROOT"/share/icons/hicolor/*x*/apps/korva-interface.png; do
    [[ $png = */$(identify -format %wx%h "$png")/* ]] || fail "$png is not of its folder's size"
done
[ "$(readlink "$ROOT/bin/korva-interface")" = ../lib/korva-interface/korva-interface ] ||
    fail "bin/korva-interface links elsewhere"
gzip -t "$ROOT/share/man/man6/korva-interface.6.gz" || fail "manual page is not gzip"
MANUAL=$(zcat "$ROOT/share/man/man6/korva-interface.6.gz" | sed 's/\\-/-/g')
for option in $("$ROOT/bin/korva-interface" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -q -- "^\.B[IR]* $option\b" <<<"$MANUAL" || fail "the manual page does not list $option"
done
desktop-file-validate "$ROOT/share/applications/$APP.desktop" || fail "menu entry invalid"
appstreamcli validate --no-net "$ROOT/share/metainfo/$APP.metainfo.xml" >"$WORK/appstream.log" 2>&1 ||
    fail "AppStream: $(cat "$WORK/appstream.log")"
log "ok: installed tree complete, menu entry and AppStream data valid"

HACK=$ROOT/libexec/xscreensaver/korva-interface SAVER=$ROOT/share/applications/screensavers/korva-interface.desktop
[ "$(readlink "$HACK")" = ../../lib/korva-interface/korva-interface ] && [ -x "$HACK" ] ||
    fail "the hack folder's korva-interface is not a link to the program"
XML=$ROOT/share/xscreensaver/config/korva-interface.xml
xmllint --noout "$XML" 2>"$WORK/xml.log" || fail "saver description: $(cat "$WORK/xml.log")"
[ "$(xmllint --xpath 'string(/screensaver/@name)' "$XML")" = korva-interface ] &&
    [ "$(xmllint --xpath 'string(/screensaver/command/@arg)' "$XML")" = --root ] &&
    [ -n "$(xmllint --xpath 'normalize-space(/screensaver/_description)' "$XML")" ] ||
    fail "saver description lacks its name, --root or a description"
desktop-file-validate "$SAVER" || fail "screen-saver menu entry invalid"
read -r SAVER_EXEC SAVER_ARGS < <(sed -n 's/^Exec=//p' "$SAVER")
[ "$SAVER_EXEC $SAVER_ARGS" = "korva-interface --root" ] && [ -x "$ROOT/bin/$SAVER_EXEC" ] &&
    grep -qx 'Categories=Screensaver;' "$SAVER" || fail "screen-saver menu entry runs '$SAVER_EXEC $SAVER_ARGS'"
log "ok: the hack link, its description (--root) and its screen-saver menu entry"

read -r EXEC _ < <(sed -n 's/^Exec=//p' "$ROOT/share/applications/$APP.desktop")
[[ $EXEC = /* ]] && PROGRAM=$DEST$EXEC || PROGRAM=$ROOT/bin/$EXEC
[ -x "$PROGRAM" ] || fail "Exec=$EXEC is not an installed program"
start && press "$DIALOG" key Return && expect_setting Sprache German 1 && expect_console
# The dock finds the menu entry of a window by the class the entry names.
WM_CLASS=$(xprop -id "$CONSOLE_WIN" WM_CLASS | sed -n 's/.*= "\(.*\)", "\(.*\)"$/\2/p')
[ -n "$WM_CLASS" ] && grep -qx "StartupWMClass=$WM_CLASS" "$ROOT/share/applications/$APP.desktop" ||
    fail "the window's class '$WM_CLASS' is not the menu entry's StartupWMClass"
log "ok: the window's class $WM_CLASS is the one the menu entry names"
press "$CONSOLE" key --clearmodifiers alt+F4 && expect_exit 10 Alt+F4
"$ROOT/lib/korva-interface/ResetLanguage" >/dev/null && [ -z "$(setting Sprache German)" ] ||
    fail "ResetLanguage left the language choice"
start && window "$DIALOG" && log "ok: after ResetLanguage the language dialog asks again"

rm -f "$BUILD"/korva-interface_*.deb
cmake --build "$BUILD" --target package >"$WORK/cpack.log" 2>&1 || fail "make package: $(tail -n 5 "$WORK/cpack.log")"
DEB=$(ls "$BUILD"/korva-interface_*_*.deb) || fail "no .deb built"
lintian --fail-on error "$DEB" >"$WORK/lintian.log" 2>&1 || fail "lintian: $(cat "$WORK/lintian.log")"
for want in libqt6widgets6 libqt6multimedia6 libqt6svg6 qt6-qpa-plugins qt6-translations-l10n; do
    dpkg-deb -f "$DEB" Depends | grep -q "\b$want\b" || fail "Depends lacks $want"
done
[ "$(dpkg-deb -f "$DEB" Maintainer)" = "KORVA-Interface team <korva-interface@example.org>" ] || fail "maintainer"
[ -n "$(dpkg-deb -f "$DEB" Section)" ] || fail "no section"
dpkg-deb --contents "$DEB" | awk '$1 !~ /^d/ { print $6 }' | listed || fail "the package differs from installed.txt"
log "ok: lintian passes the .deb; Depends, Maintainer and Section set; it holds the installed tree"

# One version: what --version prints (the number in brackets of the info page's text), the package,
# its changelog, the AppStream release and the manual page.
SAID=$("$PROGRAM" --version) && SAID=${SAID##* } && SAID=${SAID//[()]/}
VERSIONS="--version $SAID
package $(dpkg-deb -f "$DEB" Version)
changelog $(zcat "$ROOT/share/doc/korva-interface/changelog.gz" | sed -n '1s/^korva-interface (\(.*\)).*/\1/p')
AppStream $(xmllint --xpath 'string(//releases/release[1]/@version)' "$ROOT/share/metainfo/$APP.metainfo.xml")
manual page $(zcat "$ROOT/share/man/man6/korva-interface.6.gz" | sed -n 's/^\.TH .* "KORVA-Interface \([^"]*\)".*/\1/p')"
[ "$(awk '{ print $NF }' <<<"$VERSIONS" | sort -u | wc -l)" = 1 ] && [ -n "$SAID" ] ||
    fail "versions differ: $(tr '\n' ';' <<<"$VERSIONS")"
log "ok: version $SAID everywhere"
