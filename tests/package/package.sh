#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make package: a .deb that lintian passes without errors, whose Depends come from the shared libraries plus the
# X11 platform plugin, and which holds the installed tree. Exit 77 (skipped) without lintian or dpkg-dev.
set -u
BUILD=${1:?build folder}
fail() {
    echo "FAIL: $*"
    exit 1
}
if ! hash lintian dpkg-deb dpkg-shlibdeps 2>/dev/null; then
    echo "SKIP: lintian or dpkg-dev missing"
    exit 77
fi
WORK=$(mktemp -d "${TMPDIR:-/tmp}/korva-package.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

rm -f "$BUILD"/korva-interface_*.deb
cmake --build "$BUILD" --target package >"$WORK/cpack.log" 2>&1 || fail "make package: $(tail -n 5 "$WORK/cpack.log")"
DEB=$(ls "$BUILD"/korva-interface_*_*.deb) || fail "no .deb built"

lintian --fail-on error "$DEB" >"$WORK/lintian.log" 2>&1 || fail "lintian: $(cat "$WORK/lintian.log")"
echo "ok: lintian reports no errors"

depends=$(dpkg-deb -f "$DEB" Depends)
for want in libqt6widgets6 libqt6multimedia6 libqt6svg6 qt6-qpa-plugins; do
    grep -q "\b$want\b" <<<"$depends" || fail "Depends lacks $want: $depends"
done
[ "$(dpkg-deb -f "$DEB" Maintainer)" = "KORVA-Interface team <korva-interface@example.org>" ] || fail "maintainer"
[ -n "$(dpkg-deb -f "$DEB" Section)" ] || fail "no section"
echo "ok: Depends, Maintainer and Section"

dpkg-deb --contents "$DEB" | awk '{ print $6 }' >"$WORK/contents"
for file in usr/bin/korva-interface usr/lib/korva-interface/{korva-interface,ResetLanguage,1.wav,2.wav,8.wav,10.wav,13.wav} \
    usr/share/applications/org.example.korva_interface.desktop \
    usr/share/metainfo/org.example.korva_interface.metainfo.xml usr/share/man/man6/korva-interface.6.gz \
    usr/share/icons/hicolor/{scalable/apps/korva-interface.svg,{32x32,48x48,64x64,128x128,256x256}/apps/korva-interface.png} \
    usr/share/doc/korva-interface/copyright; do
    grep -qx "\./$file" "$WORK/contents" || fail "package lacks $file"
done
echo "ok: the package holds the installed tree"
