#!/bin/sh
# Registers FreeTDS's ODBC driver (package tdsodbc) under the name "SQL Server",
# which the terminal's connect string names. TDS_Version here serves DSN-based
# tools; for its own DRIVER=...;Server= connect string FreeTDS ignores it, so the
# terminal pins the protocol through $TDSVER itself. Safe to run again.
# Run as root. Used by scripts/setup.sh and by the package's post-install step.
set -eu

if odbcinst -q -d -n "SQL Server" 2>/dev/null | grep -q "TDS_Version"; then
  exit 0
fi
tds=$(dpkg -L tdsodbc | grep -m1 '/libtdsodbc\.so$')
setup=$(dpkg -L tdsodbc | grep -m1 '/libtdsS\.so$' || true)
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
{
  echo "[SQL Server]"
  echo "Description=FreeTDS driver registered for the shop-floor terminal"
  echo "Driver=$tds"
  if [ -n "$setup" ]; then echo "Setup=$setup"; fi
  echo "TDS_Version=7.4"
  echo "UsageCount=1"
} >"$tmp"
odbcinst -i -d -f "$tmp" -r >/dev/null
echo 'Registered ODBC driver "SQL Server" (FreeTDS, TDS 7.4)'
