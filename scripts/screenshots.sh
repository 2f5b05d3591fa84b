#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots in docs/ under Xvfb, from the built program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target drietalspel schermafdrukken
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/drietalspel-xdg-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
    build/tools/screenshots/schermafdrukken build/drietalspel docs
ls -la docs/*.png
