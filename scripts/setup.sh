#!/usr/bin/env bash
# Installs what the terminal needs on Debian 12 (no prompt), and registers
# FreeTDS's ODBC driver under the name "SQL Server". Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6sql6-odbc libgl-dev
  libsqlite3-dev sqlite3 libgtest-dev libgmock-dev libbenchmark-dev
  libzint-dev zbar-tools unixodbc unixodbc-dev tdsodbc libsqliteodbc
  fonts-nanum locales
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

# FreeTDS as "SQL Server". FreeTDS reads no TDS_Version from this section (nor
# from freetds.conf) for the terminal's DRIVER=...;Server= connect string; the
# terminal pins the protocol through $TDSVER itself (export TDSVER to override).
tds=$(dpkg -L tdsodbc | grep -m1 '/libtdsodbc\.so$')
setup=$(dpkg -L tdsodbc | grep -m1 '/libtdsS\.so$' || true)
if ! odbcinst -q -d -n "SQL Server" 2>/dev/null | grep -q "^Driver="; then
  tmp=$(mktemp)
  {
    echo "[SQL Server]"
    echo "Description=FreeTDS driver registered for the shop-floor terminal"
    echo "Driver=$tds"
    [ -n "$setup" ] && echo "Setup=$setup"
    echo "UsageCount=1"
  } >"$tmp"
  $SUDO odbcinst -i -d -f "$tmp" -r >/dev/null
  rm -f "$tmp"
  echo 'Registered ODBC driver "SQL Server" (FreeTDS)'
fi
