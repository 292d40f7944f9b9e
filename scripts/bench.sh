#!/usr/bin/env bash
# Runs every benchmark of the Release build; each prints its medians.
set -euo pipefail
BUILD="${1:-build}"
for b in "$BUILD"/tests/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen "$b"
done
