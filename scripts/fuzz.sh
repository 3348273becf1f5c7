#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour sanitizers) and
# runs each for SECONDS (default 60) from its seed corpus. Any crash fails the script and
# leaves its input in build-fuzz/crashes/. Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh
command -v clang++ >/dev/null || {
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang
}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTAMPWRIGHT_FUZZ=ON >/dev/null
cmake --build build-fuzz >/dev/null
mkdir -p build-fuzz/crashes
for target in list_cutting new_name integer_field profile_reader; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    cp -n tests/fuzz/corpus/$target/* "$corpus/"
    echo "fuzz_$target for $seconds s:"
    build-fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=8192 \
        -artifact_prefix=build-fuzz/crashes/ "$corpus" 2>&1 | grep -E '^Done|ERROR|SUMMARY' || true
    if ls build-fuzz/crashes/* >/dev/null 2>&1; then
        echo "crash found: see build-fuzz/crashes/" >&2
        exit 1
    fi
done
