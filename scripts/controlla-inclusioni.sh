#!/usr/bin/env bash
# Fails when a source file includes a header from a higher layer:
#   platform <- scaling <- shell <- calculation folders and help <- report <- app, tools
# Usage: scripts/controlla-inclusioni.sh [SRC_DIR]
set -uo pipefail
src=${1:-$(cd "$(dirname "$0")/.." && pwd)/src}
livello() {
    case $1 in
        platform) echo 0 ;;
        scaling) echo 1 ;;
        shell) echo 2 ;;
        shoring | tierods | columnhooping | pillarhooping | stitching | help) echo 3 ;;
        report) echo 4 ;;
        app | tools) echo 5 ;;
        *) echo -1 ;;
    esac
}
errori=0
while IFS= read -r file; do
    rel=${file#"$src"/}
    cartella=${rel%%/*}
    mio=$(livello "$cartella")
    while IFS= read -r incluso; do
        altra=${incluso%%/*}
        suo=$(livello "$altra")
        if ((suo > mio)); then
            echo "$rel include $incluso, di un livello superiore"
            errori=1
        fi
    done < <(sed -n 's/^#include "\([^"]*\/[^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.cpp' -o -name '*.h' | sort)
exit $errori
