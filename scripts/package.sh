#!/usr/bin/env bash
# Builds the Debian package build/stampwright_1.0_<arch>.deb from the install rules.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release >/dev/null
(cd build && cpack -G DEB >/dev/null)
ls build/stampwright_*.deb
