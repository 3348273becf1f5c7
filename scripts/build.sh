#!/usr/bin/env bash
# Configures and builds into FOLDER (default build/); extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build}
shift || true
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$folder"
