#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
ctest --test-dir build --output-on-failure -j2 "$@"
