#!/usr/bin/env bash
# Takes the README's screenshots from the real program on a virtual X server: the main window
# with a list typed in, the finished results window of a preview, and the About box.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
for tool in Xvfb:xvfb openbox:openbox xdotool:xdotool import:imagemagick; do
    command -v "${tool%%:*}" >/dev/null || need+=("${tool##*:}")
done
if [ -n "${need[*]:-}" ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
scripts/build.sh build >/dev/null

work=$(mktemp -d)
export DISPLAY=:71 XDG_CONFIG_HOME="$work/config" TZ=Europe/Berlin
Xvfb "$DISPLAY" -screen 0 1100x720x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $wm $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
openbox >/dev/null 2>&1 &
wm=$!

mkdir "$work/Holiday"
for name in IMG_0041.JPG IMG_0042.JPG DSC01234.jpg MOV_0007.AVI; do
    echo "$name" >"$work/Holiday/$name"
    touch -d '2008-07-12 15:28:02 CEST' "$work/Holiday/$name"
done
cd "$work/Holiday"
"$root/build/stampwright" >/dev/null 2>&1 &
app=$!

# The window's id once a visible window with this title exists.
window() {
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] &&
            { echo "$id"; return; }
        sleep 0.2
    done
    echo "no window '$1'" >&2
    exit 1
}
shoot() { sleep 0.5; import -frame -window "$(window "$1")" "$root/docs/$2"; }

window '^Stampwright$' >/dev/null
for name in IMG_0041.JPG IMG_0042.JPG DSC01234.jpg MOV_0007.AVI; do
    xdotool type --delay 2 "$work/Holiday/$name"
    xdotool key Return
done
xdotool key Tab Tab Tab Tab && xdotool type 2 && xdotool key Tab && xdotool type 10
shoot '^Stampwright$' main-window.png
xdotool key Return
shoot '^All 4 Batch Commands Created!$' results-window.png
xdotool key Escape
sleep 0.5
xdotool key F1
shoot '^About Stampwright$' about-box.png
xdotool key Escape
echo "screenshots written to docs/"
