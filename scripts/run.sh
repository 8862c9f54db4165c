#!/usr/bin/env bash
# Sets up, builds and starts Velomar on the bundled sample data. Extra arguments go to the program
# (for example /log, /edit, /nedv).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
# Chromium refuses its sandbox as root; the panes only show local pages.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec build/dist/velomar "$@"
