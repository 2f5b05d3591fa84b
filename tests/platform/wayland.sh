#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on a Wayland desktop with no X server: weston's headless back end and Qt's Wayland
# plugin. It must start (its settings file is written) and keep running with its window up, and
# the compositor must have a window of it to show. Argument: the program folder.
set -euo pipefail
werk=$(mktemp -d)
trap 'kill "$spel" "$weston" 2>/dev/null; wait; rm -rf "$werk"' EXIT
spel='' weston=''
cp -a "$1" "$werk/spel"
rm -f "$werk/spel/Drietalspel.ini" "$werk/spel/.drietalspel.lock"
export HOME=$werk XDG_RUNTIME_DIR=$werk/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=drietal --width=1280 --height=800 --use-pixman \
    >"$werk/weston.log" 2>&1 &
weston=$!
until [ -S "$XDG_RUNTIME_DIR/drietal" ]; do sleep 0.05; done
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=drietal WAYLAND_DEBUG=1 \
    "$werk/spel/drietalspel" 2>"$werk/spel.log" &
spel=$!
until [ -f "$werk/spel/Drietalspel.ini" ]; do kill -0 "$spel"; sleep 0.05; done
# The window is up once the game has attached a buffer to a surface and committed it.
for _ in $(seq 100); do grep -q 'wl_surface@[0-9]*\.attach' "$werk/spel.log" && break; sleep 0.05; done
grep -q 'wl_surface@[0-9]*\.commit' "$werk/spel.log" || { echo "no window committed"; exit 1; }
kill -0 "$spel" && echo "the game runs on Wayland"
