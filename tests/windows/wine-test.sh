#!/usr/bin/env bash
# Runs one Qt Test program of the Windows build under wine (CTest's emulator
# for the cross build). Wine's exit status cannot be trusted, so the verdict
# is the test's own last line: "Totals: N passed, 0 failed".
set -uo pipefail
programma=${1:?programma}
shift
: "${WINEPREFIX:?WINEPREFIX: the test prefix (tests/windows/prefisso-wine.sh)}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
uscita=$(wine "$programma" "$@" 2>&1)
printf '%s\n' "$uscita"
riga=$(printf '%s\n' "$uscita" | tr -d '\r' | grep -E '^Totals: [0-9]+ passed, [0-9]+ failed' | tail -1)
if [ -z "$riga" ]; then
    echo "wine-test: $programma non ha concluso (nessuna riga Totals)" >&2
    exit 1
fi
case "$riga" in
    *", 0 failed,"*) exit 0 ;;
    *) exit 1 ;;
esac
