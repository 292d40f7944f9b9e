#!/usr/bin/env bash
# Starts Rinsal from the build folder; without a display says how to.
set -euo pipefail
BUILD="${1:-build}"
cd "$BUILD"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Nessun display disponibile: avviare Rinsal con  xvfb-run -a -s \"-screen 0 1024x768x24\" $PWD/rinsal"
  exit 0
fi
exec ./rinsal
