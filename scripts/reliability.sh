#!/usr/bin/env bash
# Builds and prints the README's reliability table: every fault and hostile input tried on
# real files, with the files before and after and whether every content survived.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build >/dev/null
QT_QPA_PLATFORM=offscreen build/reliability_report build/stampwright-cli
