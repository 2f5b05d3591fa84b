#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the record reader's fuzz target with clang and libFuzzer and runs it for N seconds
# (default 60). Any crash, leak, undefined behaviour or hang fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake -S . -B build-fuzz -DDRIETAL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_records
mkdir -p build-fuzz/corpus
cp -n tests/fuzz/corpus/* build-fuzz/corpus/ 2>/dev/null || true
echo "== fuzzing the record reader for ${seconds}s"
build-fuzz/tests/fuzz/fuzz_records -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 build-fuzz/corpus
