#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make package: a .deb that lintian passes without errors, whose Depends come from the shared libraries plus the
# X11 platform plugin, and which holds exactly what `cmake --install` installs. Exit 77 (skipped) without lintian
# or dpkg-dev.
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
depends=$(dpkg-deb -f "$DEB" Depends)
for want in libqt6widgets6 libqt6multimedia6 libqt6svg6 qt6-qpa-plugins; do
    grep -q "\b$want\b" <<<"$depends" || fail "Depends lacks $want: $depends"
done
[ "$(dpkg-deb -f "$DEB" Maintainer)" = "KORVA-Interface team <korva-interface@example.org>" ] || fail "maintainer"
[ -n "$(dpkg-deb -f "$DEB" Section)" ] || fail "no section"
echo "ok: lintian reports no errors; Depends, Maintainer and Section are set"
DESTDIR=$WORK/tree cmake --install "$BUILD" --prefix /usr >/dev/null || fail "cmake --install failed"
(cd "$WORK/tree" && find . ! -type d | sort) >"$WORK/installed"
dpkg-deb --contents "$DEB" | awk '$1 !~ /^d/ { print $6 }' | sort >"$WORK/packaged"
diff "$WORK/installed" "$WORK/packaged" || fail "the package and the installed tree differ"
echo "ok: the package holds the installed tree, $(wc -l <"$WORK/installed") files"
