#!/usr/bin/env bash
# Makes a wine prefix for the tests (once: it is kept while its marker is
# there), with the fonts a Windows user has mapped onto Debian's metric
# equivalents, so that screens and PDFs look as on Windows.
#   tests/windows/prefisso-wine.sh PREFIX
set -euo pipefail
export WINEPREFIX=${1:?cartella del prefisso}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/.rinsal-pronto" ] && exit 0
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
wineboot --init >/dev/null 2>&1 || true
wineserver -w || true
reg=$(mktemp --suffix=.reg)
cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Courier New"="Liberation Mono"
"Times New Roman"="Liberation Serif"
"Segoe UI"="DejaVu Sans"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"MS Shell Dlg"="DejaVu Sans"
"MS Shell Dlg 2"="DejaVu Sans"
REG
wine regedit /S "$(winepath -w "$reg" 2>/dev/null || echo "$reg")" >/dev/null 2>&1 || true
wineserver -w || true
rm -f "$reg"
if ! grep -q '^"Courier New"="Liberation Mono"' "$WINEPREFIX/user.reg" ||
   ! grep -q '^"MS Shell Dlg"="DejaVu Sans"' "$WINEPREFIX/system.reg"; then
    echo "prefisso wine non pronto: $WINEPREFIX" >&2
    exit 1
fi
touch "$WINEPREFIX/.rinsal-pronto"
