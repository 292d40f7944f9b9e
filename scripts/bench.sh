#!/usr/bin/env bash
# Runs every benchmark of the Release build; each prints its medians. Then
# the program's cold start and its resident memory.
set -euo pipefail
BUILD="${1:-build}"
for b in "$BUILD"/tests/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen RINSAL_DATA_DIR="$(dirname "$0")/../data" "$b"
done
echo
bash "$(dirname "$0")/avvio.sh" "$BUILD"
