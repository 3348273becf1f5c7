#!/usr/bin/env bash
# Installs a build into a staging folder as a package would, then checks that every file is
# where a desktop expects it, that desktop-file-validate accepts the menu entry and that the
# manual pages render without warnings. Usage: check_install.sh BUILD-FOLDER
set -euo pipefail
build=$1
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
DESTDIR=$staging cmake --install "$build" --prefix /usr >/dev/null

status=0
for file in \
    usr/bin/stampwright usr/bin/stampwright-cli \
    usr/share/applications/stampwright.desktop \
    usr/share/icons/hicolor/16x16/apps/stampwright.png \
    usr/share/icons/hicolor/32x32/apps/stampwright.png \
    usr/share/icons/hicolor/48x48/apps/stampwright.png \
    usr/share/icons/hicolor/scalable/apps/stampwright.svg \
    usr/share/man/man1/stampwright.1.gz usr/share/man/man1/stampwright-cli.1.gz \
    usr/share/doc/stampwright/README.md usr/share/doc/stampwright/LICENSE; do
    [ -e "$staging/$file" ] || { echo "missing: /$file"; status=1; }
done

for size in 16 32 48; do
    # A PNG's width and height are big-endian words at bytes 16 and 20.
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 \
        "$staging/usr/share/icons/hicolor/${size}x${size}/apps/stampwright.png")
    if [ $(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4)) -ne "$size" ] ||
        [ $(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4)) -ne "$size" ]; then
        echo "icon $size is not $size x $size"
        status=1
    fi
done

desktop-file-validate "$staging/usr/share/applications/stampwright.desktop" || status=1

for page in "$staging"/usr/share/man/man1/*.gz; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings"; status=1; }
    MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q "DESCRIPTION" ||
        { echo "$page does not render"; status=1; }
done
[ $status -eq 0 ] && echo "install layout, menu entry and manual pages are fine"
exit $status
