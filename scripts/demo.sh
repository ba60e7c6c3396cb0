#!/usr/bin/env bash
# Installs what is missing, builds, and starts the terminal on the embedded demo plant.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/src/app/mes-terminal --demo "$@"
