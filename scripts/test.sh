#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is needed and runs the whole test suite: a normal build, a build under
# AddressSanitizer + UndefinedBehaviorSanitizer, and the record reader's fuzzer.
# FUZZ_SECONDS sets how long the fuzzer runs (default 60; 0 skips it).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/setup.sh --tests

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/drietalspel-xdg-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
jobs=$(nproc)

# A null sound sink, so the sound tests hear what the program plays. CI (DRIETAL_CI set) does not
# go on without it.
if ! scripts/soundsink.sh start; then
    if [ -n "${DRIETAL_CI:-}" ]; then
        echo "no sound server could be started (scripts/soundsink.sh start)" >&2
        exit 1
    fi
    echo "no sound server: sound tests will skip"
fi
trap 'scripts/soundsink.sh stop || true' EXIT

run_suite() {
    local dir=$1; shift
    echo "== $dir: configure and build"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRIETAL_TESTS=ON "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    echo "== $dir: tests"
    (cd "$dir" && ctest --output-on-failure -j"$jobs")
}

run_suite build
run_suite build-asan -DDRIETAL_SANITIZE=ON

seconds=${FUZZ_SECONDS:-60}
if [ "$seconds" -gt 0 ]; then
    scripts/fuzz.sh "$seconds"
fi
