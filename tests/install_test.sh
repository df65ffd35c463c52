#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file of a
# desktop installation is there; validates the desktop entry and the
# AppStream file when the validators are installed.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
missing=0
expect() {
    if [ ! -f "$prefix/$1" ]; then
        echo "missing: $1"
        missing=1
    fi
}
expect bin/examdeck
for f in isdn-bri.gif ospf-abr-asbr.gif ospf-multicast.gif isdn-bri-explained.txt ip-summary.txt \
         ipx-summary.txt ipx-sap-servers.txt; do
    expect "share/examdeck/$f"
done
expect share/applications/org.example.examdeck.desktop
expect share/metainfo/org.example.examdeck.metainfo.xml
for size in 16 22 24 32 48 64 128 256; do
    expect "share/icons/hicolor/${size}x${size}/apps/org.example.examdeck.png"
done
expect share/icons/hicolor/scalable/apps/org.example.examdeck.svg
grep -qx "Path=$prefix/share/examdeck" "$prefix/share/applications/org.example.examdeck.desktop" ||
    { echo "the desktop entry does not start the program in its data folder"; missing=1; }
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.example.examdeck.desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.example.examdeck.metainfo.xml" >/dev/null
fi
exit $missing
