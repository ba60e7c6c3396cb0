#!/usr/bin/env bash
# Three box labels (ASCII, Korean, a long mixed name) into docs/screenshots: the
# terminal's preview and the independent renderer's picture of the bytes sent.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
if [ ! -d "$build" ]; then cmake --preset default >/dev/null; fi
cmake --build "$build" --target mes-label-samples
if [ ! -f tools/zebrash/node_modules/zpl-renderer-js/package.json ]; then
  echo "zpl-renderer-js is missing: run scripts/setup.sh" >&2
  exit 1
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$build/src/tools/mes-label-samples" "$out"
for name in ascii korean long; do
  cp "$out/label-$name-preview.png" docs/screenshots/
  node tools/zebrash/render.mjs "$out/label-$name.zpl" "docs/screenshots/label-$name-zebrash.png" 799 759
done
echo "docs/screenshots/label-{ascii,korean,long}-{preview,zebrash}.png"
