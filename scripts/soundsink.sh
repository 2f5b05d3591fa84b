#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# start: runs a PulseAudio daemon with a null sink "testsink" as the default output.
# stop: ends it. Needs XDG_RUNTIME_DIR set to a private folder.
set -u
case "${1:-}" in
start)
    command -v pulseaudio >/dev/null || exit 1
    pactl info >/dev/null 2>&1 && pactl list short sinks 2>/dev/null | grep -q testsink && exit 0
    pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit -n \
        --load=module-native-protocol-unix \
        --load="module-null-sink sink_name=testsink rate=44100" >/dev/null 2>&1 || true
    for _ in $(seq 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    pactl set-default-sink testsink >/dev/null 2>&1 || exit 1
    ;;
stop)
    [ -f "$XDG_RUNTIME_DIR/pulse/pid" ] && kill "$(cat "$XDG_RUNTIME_DIR/pulse/pid")" 2>/dev/null
    exit 0
    ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
