#!/usr/bin/env bash
# Fails when a source file includes a header from a higher layer:
#   platform <- scaling <- shell <- calculation folders and help <- report <- app, tools
# and when the includes run in a circle. A header and its .cpp count as one
# file here: a.h reaches b.h when a.h or a.cpp includes it, so a.cpp
# including b.h while b.cpp includes a.h is a circle too.
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

# Circles: every quoted include is an edge between files without their
# extension (a name without a folder is taken from the includer's folder);
# tsort names the files of each circle it meets.
cicli=$(find "$src" \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z | xargs -0 awk -v src="$src" '
    function nodo(p) { sub(/\.(cpp|h)$/, "", p); return p }
    FNR == 1 {
        rel = substr(FILENAME, length(src) + 2)
        cartella = rel; sub(/\/?[^\/]*$/, "", cartella)
        da = nodo(rel)
        print da, da
    }
    /^[ \t]*#[ \t]*include[ \t]*"/ {
        s = $0; sub(/^[^"]*"/, "", s); sub(/".*/, "", s)
        if (index(s, "/") == 0 && cartella != "") s = cartella "/" s
        a = nodo(s)
        if (a != da) print da, a
    }' | tsort 2>&1 >/dev/null)
if [[ -n $cicli ]]; then
    # GNU tsort: "tsort: -: input contains a loop:" then one "tsort: FILE" a file.
    awk 'function fine() { if (c != "") print "ciclo di inclusioni: " c " -> " primo; c = "" }
         /contains a loop/ { fine(); next }
         { sub(/^tsort: /, ""); if (c == "") primo = $0; c = c (c == "" ? "" : " -> ") $0 }
         END { fine() }' <<<"$cicli"
    errori=1
fi
exit $errori
