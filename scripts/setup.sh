#!/usr/bin/env bash
# Installs what the terminal needs on Debian 12 (no prompt), and registers
# FreeTDS's ODBC driver under the name "SQL Server". Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6sql6-odbc libgl-dev
  libsqlite3-dev sqlite3 libgtest-dev libgmock-dev libbenchmark-dev
  libzint-dev libmodbus-dev zbar-tools unixodbc unixodbc-dev tdsodbc libsqliteodbc
  fonts-nanum locales nodejs
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

# npm from Debian, unless the installed nodejs brings its own.
if ! command -v npm >/dev/null 2>&1; then
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends npm </dev/null
fi

# The independent ZPL renderer the label tests compare the preview with
# (zebrash, packaged as zpl-renderer-js), pinned by tools/zebrash/package-lock.json.
zebrash="$(cd "$(dirname "$0")/.." && pwd)/tools/zebrash"
if [ ! -f "$zebrash/node_modules/zpl-renderer-js/package.json" ]; then
  (cd "$zebrash" && npm ci --no-audit --no-fund --loglevel=error)
fi

# FreeTDS as "SQL Server" (the package's post-install step runs the same script).
$SUDO "$(dirname "$0")/register-odbc.sh"
