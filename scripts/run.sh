#!/usr/bin/env bash
# Starts Rinsal from the build folder. Without a display it prints the
# listing of the bundled tie-rod example to a PDF instead, and says how to
# start the windows under xvfb-run.
set -euo pipefail
BUILD="${1:-build}"
cd "$BUILD"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  OUT="$PWD/Tiranti-esempio.pdf"
  if ./rinsal-stampa --dati -o "$OUT" esempi/Tiranti-dati-esempio; then
    echo "Nessun display: stampato l'esempio dei tiranti in $OUT"
  fi
  echo "Per aprire le finestre senza display: xvfb-run -a -s \"-screen 0 1024x768x24\" $PWD/rinsal"
  exit 0
fi
exec ./rinsal
