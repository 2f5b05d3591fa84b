#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a netbook's 1024 x 600 screen the program starts itself again, scaled down so that the board
# and the toolbar fit; on 1280 x 720 it runs at its own size. Argument: the program folder.
set -euo pipefail
werk=$(mktemp -d)
trap 'rm -rf "$werk"' EXIT
cp -a "$1" "$werk/spel"
rm -f "$werk/spel/Drietalspel.ini" "$werk/spel/.drietalspel.lock"
export XDG_RUNTIME_DIR=$werk HOME=$werk
schaal() { # the scale the game runs at on a screen of $1, or "none"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$werk/scherm" 2>/dev/null &
    local xvfb=$!
    until [ -s "$werk/scherm" ]; do sleep 0.05; done
    DISPLAY=:$(cat "$werk/scherm") QT_QPA_PLATFORM=xcb "$werk/spel/drietalspel" 2>/dev/null &
    pid=$!
    # Its window appears once it runs at its final scale.
    until [ -f "$werk/spel/Drietalspel.ini" ]; do sleep 0.05; done
    tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^QT_SCALE_FACTOR=//p' | grep . || echo none
    kill "$pid"; wait "$pid" || true
    kill "$xvfb"; rm -f "$werk/scherm" "$werk/spel/Drietalspel.ini"
}
klein=$(schaal 1024x600) groot=$(schaal 1280x720)
echo "1024x600: $klein, 1280x720: $groot"
[ "$groot" = none ] && awk -v s="$klein" 'BEGIN { exit !(s > 0.8 && s < 0.9) }'
