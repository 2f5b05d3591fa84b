#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game in a session other than a plain X display, from a copy of the program folder that has
# never run. Arguments: the session (a case below) and the program folder.
set -euo pipefail
werk=$(mktemp -d) pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait; rm -rf "$werk"' EXIT
cp -a "$2" "$werk/spel"
rm -f "$werk/spel/Drietalspel.ini" "$werk/spel/.drietalspel.lock"
export HOME=$werk XDG_RUNTIME_DIR=$werk/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Starts the game with the variables given and waits until it has written its settings file.
start() {
    env -u DISPLAY "$@" "$werk/spel/drietalspel" 2>"$werk/spel.log" &
    pids+=($!)
    until [ -f "$werk/spel/Drietalspel.ini" ]; do kill -0 $!; sleep 0.05; done
}

case $1 in
zonder_scherm) # No compositor to reach and no X server: one line on stderr and status 1, no abort.
    status=0
    uit=$(env -u DISPLAY -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=geen-scherm \
        "$werk/spel/drietalspel" 2>&1 >/dev/null) || status=$?
    echo "status $status: $uit"
    [ "$status" -eq 1 ] && [[ "$uit" == drietalspel:* && "$uit" != *$'\n'* ]]
    ;;
klein_scherm) # A netbook's 1024 x 600 gets the game restarted scaled down to fit; 1280 x 720 not.
    schaal() { # the scale the game runs at on a screen of $1, or "none"
        Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$werk/scherm" 2>/dev/null &
        pids=($!)
        until [ -s "$werk/scherm" ]; do sleep 0.05; done
        start DISPLAY=:"$(cat "$werk/scherm")" QT_QPA_PLATFORM=xcb # its window shows at that scale
        tr '\0' '\n' <"/proc/$!/environ" | sed -n 's/^QT_SCALE_FACTOR=//p' | grep . || echo none
        kill "${pids[@]}"; wait || true
        rm -f "$werk/scherm" "$werk/spel/Drietalspel.ini"
    }
    klein=$(schaal 1024x600) groot=$(schaal 1280x720)
    echo "1024x600: $klein, 1280x720: $groot"
    [ "$groot" = none ] && awk -v s="$klein" 'BEGIN { exit !(s > 0.8 && s < 0.9) }'
    ;;
wayland) # On weston with Qt's Wayland plugin it keeps running and the compositor shows its window.
    weston --backend=headless-backend.so --socket=drietal --width=1280 --height=800 --use-pixman \
        >"$werk/weston.log" 2>&1 &
    pids=($!)
    until [ -S "$XDG_RUNTIME_DIR/drietal" ]; do sleep 0.05; done
    start QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=drietal WAYLAND_DEBUG=1
    # The window is up once the game has attached a buffer to a surface and committed it.
    for _ in $(seq 100); do grep -q 'wl_surface@[0-9]*\.attach' "$werk/spel.log" && break; sleep 0.05; done
    grep -q 'wl_surface@[0-9]*\.commit' "$werk/spel.log" || { echo "no window committed"; exit 1; }
    kill -0 $! && echo "the game runs on Wayland"
    ;;
esac
