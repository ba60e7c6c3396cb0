#!/usr/bin/env bash
# Builds the terminal's Debian package into build/ (build/mes-terminal_<version>_<arch>.deb),
# on the build tree of scripts/build.sh: only the programs are built, not the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/CMakeCache.txt ] || cmake --preset default >/dev/null
cmake build >/dev/null
cmake --build build --target mes-terminal mes-sql
(cd build && cpack -G DEB >/dev/null)
ls -t build/mes-terminal_*.deb | head -1
