#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the tests catch single realistic faults, put one at a time into a scratch copy of the
# source; the faults and the runner are in scripts/mutate.py. This starts the test sound sink
# first, so the sound faults are heard.
#   scripts/mutate.sh            every fault
#   scripts/mutate.sh WORD ...   only the faults whose name contains one of the words
set -euo pipefail
cd "$(dirname "$0")/.."
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/drietalspel-xdg-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# Without the sink the sound test fails rather than skips, so the unchanged code's run stops the
# script instead of letting every sound fault pass.
export DRIETAL_CI=1
scripts/soundsink.sh start || echo "mutate.sh: no sound server; the sound test will fail" >&2
exec python3 scripts/mutate.py "$@"
