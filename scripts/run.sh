#!/usr/bin/env bash
# Sets everything up from nothing, builds, and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
exec build/stampwright "$@"
