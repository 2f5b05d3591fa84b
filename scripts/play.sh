#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is needed, builds the game and starts it from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target drietalspel
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "$0: built build/drietalspel/drietalspel, but there is no desktop session here" \
        "(DISPLAY and WAYLAND_DISPLAY are not set) to start it in." >&2
    exit 1
fi
exec build/drietalspel/drietalspel
