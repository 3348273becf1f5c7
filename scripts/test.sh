#!/usr/bin/env bash
# Sets everything up from nothing and runs every test twice: in the normal build, then in a
# build with the address and undefined-behaviour sanitizers; the fuzzers run briefly between.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)"

# Each fuzzer briefly, from its seed corpus.
scripts/fuzz.sh 15

scripts/build.sh build-sanitize -DSTAMPWRIGHT_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
