#!/usr/bin/env bash
# Runs one Qt Test program of the Windows build under wine (CTest's emulator
# for the cross build). Wine's exit status cannot be trusted, so the verdict
# is the test's own last line, "Totals: N passed, 0 failed", from the log
# the test writes (under wine its standard output is not reliably passed on).
set -uo pipefail
programma=${1:?programma}
shift
: "${WINEPREFIX:?WINEPREFIX: the test prefix (tests/windows/prefisso-wine.sh)}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine keeps the host's QT_* variables from Windows programs; WINEQT_* reach them as QT_*.
while IFS='=' read -r nome valore; do
    case "$nome" in QT_*) export "WINE$nome=$valore" ;; esac
done < <(env)
registro=$(mktemp --suffix=.txt)
trap 'rm -f "$registro"' EXIT
wine "$programma" "$@" -o "$(winepath -w "$registro")",txt 2>&1 | grep -v '^ALSA lib'
cat "$registro"
riga=$(tr -d '\r' <"$registro" | grep -E '^Totals: [0-9]+ passed, [0-9]+ failed' | tail -1)
if [ -z "$riga" ]; then
    echo "wine-test: $programma non ha concluso (nessuna riga Totals)" >&2
    exit 1
fi
case "$riga" in
    *", 0 failed,"*) exit 0 ;;
    *) exit 1 ;;
esac
