#!/usr/bin/env bash
# Cold start of the program to its painted splash, and its resident memory
# then: medians of 11 runs on one X server (xvfb-run), or offscreen when
# there is none. RINSAL_ESCI_DOPO_AVVIO=1 makes the program end right after
# the splash's first paint, writing its VmRSS line to standard error.
set -euo pipefail
BUILD="${1:-build}"
if [ -z "${DISPLAY:-}" ] && [ -z "${RINSAL_AVVIO_SENZA_X:-}" ]; then
  if command -v xvfb-run >/dev/null; then
    exec xvfb-run -a "$0" "$BUILD"
  fi
  export RINSAL_AVVIO_SENZA_X=1 QT_QPA_PLATFORM=offscreen
fi
VOLTE=11
tempi=() memorie=()
for ((i = 0; i < VOLTE; i++)); do
  inizio=$(date +%s%N)
  uscita=$(RINSAL_ESCI_DOPO_AVVIO=1 "$BUILD/rinsal" 2>&1)
  fine=$(date +%s%N)
  tempi+=($(( (fine - inizio) / 1000 )))
  memorie+=($(sed -n 's/^VmRSS: *\([0-9]*\) kB.*/\1/p' <<<"$uscita" | tail -1))
done
mediana() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
awk -v t="$(mediana "${tempi[@]}")" -v m="$(mediana "${memorie[@]}")" -v n="$VOLTE" -v x="${DISPLAY:-offscreen}" 'BEGIN {
  printf "avvio a freddo fino alla schermata iniziale (%s): mediana %.1f ms su %d\n", x, t / 1000, n
  printf "memoria residente dopo l'\''avvio (VmRSS): mediana %.1f MB\n", m / 1024 }'
