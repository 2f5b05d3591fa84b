#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a whole game as a screen-reader user does: under Xvfb, with a session bus and the AT-SPI
# registry, through the accessibility interface only (speel_blind.py), from a copy of the program
# folder. Then the high-score list on disk must hold the game.
set -euo pipefail
programma=$1
work=$(mktemp -d /tmp/drietalspel-atspi-XXXXXX)
trap 'rm -rf "$work"' EXIT
cp -a "$programma" "$work/spel"
rm -f "$work/spel/Drietalspel.ini" "$work/spel/Data/Scorelijst.lst" "$work/spel/Data/.aangeboden"
export HOME=$work XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
here=$(cd "$(dirname "$0")" && pwd)

xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -c '
    set -euo pipefail
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1.5
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$0/spel/drietalspel" &
    spel=$!
    status=0
    /usr/bin/python3 "$1/speel_blind.py" "$0/spel" || status=$?
    kill -TERM $spel
    wait $spel || true
    exit $status' "$work" "$here"

grep -a -q "Blinde Speler" "$work/spel/Data/Scorelijst.lst" ||
    { echo "the high-score list on disk does not hold the game"; exit 1; }
echo "a whole game played through AT-SPI"
