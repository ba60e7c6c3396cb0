#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export LC_ALL=C.UTF-8
ctest --preset default
