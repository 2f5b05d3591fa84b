#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the game against a bare Qt full-screen window under Xvfb: time to the first frame,
# peak memory, idle CPU and idle wake-ups (tools/bench/benchrunner), and the board's repaint time
# (tools/bench/boardpaint). Prints one table; exits 0 whatever the figures are. Takes about a
# minute after the build. The game runs from a copy of its program folder in a temporary folder,
# so the settings and high-score list it saves on SIGTERM never touch build/drietalspel.
# RUNS sets the number of counted starts of each program (default 7), IDLE_SECONDS the idle
# window (default 10).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests

runs=${RUNS:-7}
idle=${IDLE_SECONDS:-10}
log=$(mktemp /tmp/drietalspel-bench-build.XXXXXX)
echo "== build"
if ! { cmake -S . -B build >"$log" 2>&1 &&
       cmake --build build -j"$(nproc)" --target drietalspel bench_baseline benchrunner \
           boardpaint >>"$log" 2>&1; }; then
    cat "$log"
    rm -f "$log"
    exit 1
fi
rm -f "$log"

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/drietalspel-xdg-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

work=$(mktemp -d /tmp/drietalspel-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
cp -a build/drietalspel "$work/drietalspel"
# Without the settings file the copy starts as a first start would (that start is the uncounted
# warm-up) and then points the wallpaper at its own Backgrounds, not at build/drietalspel's.
rm -f "$work/drietalspel/Drietalspel.ini"
# What the game writes: its settings file and the Data folder (the executable may be rebuilt
# meanwhile by another build, so it is left out).
fingerprint() {
    find build/drietalspel -maxdepth 1 -name 'Drietalspel.ini*' -printf '%P %s %T@\n'
    find build/drietalspel/Data -printf '%P %s %T@\n' 2>/dev/null
} 2>/dev/null
fingerprint_sum() { fingerprint | sort | sha1sum; }
before=$(fingerprint_sum)

echo "== measuring (load average $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores)"
echo
export RUNS_ARG=$runs IDLE_ARG=$idle WORK=$work
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    set -e
    build/tools/bench/benchrunner --runs "$RUNS_ARG" --idle "$IDLE_ARG" \
        --log "$WORK/programs.log" "$WORK/drietalspel/drietalspel" build/tools/bench/baseline
    echo
    QT_QPA_PLATFORM=xcb build/tools/bench/boardpaint "$WORK/drietalspel" 500 2>>"$WORK/programs.log"
    QT_QPA_PLATFORM=offscreen build/tools/bench/boardpaint "$WORK/drietalspel" 500 \
        2>>"$WORK/programs.log" | tail -n +2
' || echo "A measurement failed; see the program output below." >&2

if [ -s "$work/programs.log" ]; then
    echo
    echo "Program output:"
    sed 's/^/  /' "$work/programs.log" | head -20
fi
echo
if [ "$before" = "$(fingerprint_sum)" ]; then
    echo "build/drietalspel: settings and Data untouched."
else
    echo "WARNING: build/drietalspel changed during the run." >&2
fi
exit 0
