#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A Wayland session with no compositor to reach and no X server: the program says so in one line
# on standard error and ends with status 1, not with an abort. Argument: the program folder.
sessie=$(mktemp -d)
trap 'rm -rf "$sessie"' EXIT
uit=$(env -u DISPLAY -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=geen-scherm \
    XDG_RUNTIME_DIR="$sessie" "$1/drietalspel" 2>&1 >/dev/null)
status=$?
echo "status $status: $uit"
[ "$status" -eq 1 ] && [ "$(printf '%s\n' "$uit" | wc -l)" -eq 1 ] && [[ "$uit" == drietalspel:* ]]
