#!/usr/bin/env bash
# Renders the terminal's screens offscreen into docs/screenshots/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
if [ ! -d "$build" ]; then cmake --preset default >/dev/null; fi
cmake --build "$build" --target mes-screenshots
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$build/src/tools/mes-screenshots" docs/screenshots
