#!/usr/bin/env bash
# `make test-windows`: the Windows build tried under wine.
#   1. the suite (the Linux suite's sources, cross-built) through CTest;
#   2. the batch printer: every sample and generated files printed as text,
#      byte for byte as the Linux build prints them, and to PDF;
#   3. the setup program: silent install into a fresh prefix, the installed
#      program walked on Xvfb (splash, menu, a sample), uninstall.
#   tests/windows/test-windows.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
radice=$(cd "$(dirname "$0")/../.." && pwd)
linux=$(cd "${1:?cartella della versione Linux}" && pwd)
windows=$(cd "${2:?cartella della versione Windows}" && pwd)
quanti=${RINSAL_CASI_WINDOWS:-12}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=$windows/wine-prova
t0=$(date +%s)
bash "$radice/tests/windows/prefisso-wine.sh" "$windows/wine-modello"
rm -rf "$WINEPREFIX"
cp -a "$windows/wine-modello" "$WINEPREFIX"
echo "== prefisso wine pronto ($(( $(date +%s) - t0 )) s)"

# 1. The suite.
(cd "$windows" && ctest --output-on-failure -j"$(nproc)" --timeout 900)
echo "== suite sotto wine superata ($(( $(date +%s) - t0 )) s)"

# 2. The batch printer against Linux's.
# A prefix of its own: the suite leaves the program's settings in its one.
export WINEPREFIX=$windows/wine-stampe
rm -rf "$WINEPREFIX"
cp -a "$windows/wine-modello" "$WINEPREFIX"
confronto=$windows/confronto
bash "$radice/scripts/confronta-stampe.sh" "$linux" "$confronto/linux" "$quanti" >/dev/null
RINSAL_EMULATORE=wine bash "$radice/scripts/confronta-stampe.sh" "$windows" "$confronto/windows" "$quanti"
diff -r -x casi "$confronto/linux" "$confronto/windows" >"$confronto/differenze" ||
  { head -40 "$confronto/differenze"; echo "test-windows: le stampe di Windows differiscono da quelle di Linux" >&2; exit 1; }
echo "== $(ls "$confronto/windows"/*.out | wc -l) stampe di testo identiche a quelle di Linux"
mkdir -p "$confronto/pdf"
for f in "$radice"/data/esempi/*; do
  nome=$(basename "$f")
  for modo in --dati --relazione; do
    pdf=$confronto/pdf/$nome${modo#-}.pdf
    rm -f "$pdf" "$pdf.linux.pdf"
    QT_QPA_PLATFORM=offscreen "$linux/rinsal-stampa" "$modo" -o "$pdf.linux.pdf" "$f" 2>/dev/null || true
    [ -s "$pdf.linux.pdf" ] || continue   # a printout the calculation does not have
    wine "$windows/rinsal-stampa.exe" "$modo" -o "$pdf" "$f" >/dev/null 2>&1 || true
    [ -s "$pdf" ] || { echo "test-windows: nessun PDF da $nome $modo" >&2; exit 1; }
    # The words, accents included, that Linux's PDF has: the fonts differ,
    # and with them the order in which pdftotext meets the charts' labels.
    pdftotext -enc UTF-8 "$pdf" - | tr -s ' \n\f' '\n\n\n' | sort >"$pdf.txt"
    pdftotext -enc UTF-8 "$pdf.linux.pdf" - | tr -s ' \n\f' '\n\n\n' | sort >"$pdf.linux.txt"
    [ "$(pdfinfo "$pdf" | awk '/^Pages:/{print $2}')" = "$(pdfinfo "$pdf.linux.pdf" | awk '/^Pages:/{print $2}')" ] ||
      { echo "test-windows: il PDF di $nome $modo non ha le pagine di Linux" >&2; exit 1; }
    cmp -s "$pdf.txt" "$pdf.linux.txt" ||
      { diff "$pdf.linux.txt" "$pdf.txt" | head -20; echo "test-windows: il PDF di $nome $modo differisce" >&2; exit 1; }
  done
done
grep -q "à\|è\|ù" "$confronto"/pdf/*.txt || { echo "test-windows: nessuna lettera accentata nei PDF" >&2; exit 1; }
echo "== PDF di Windows con gli stessi testi di Linux ($(( $(date +%s) - t0 )) s)"

# 3. The setup program.
bash "$radice/tests/windows/installazione.sh" "$radice" "$windows"
echo "== test-windows superato in $(( $(date +%s) - t0 )) s"
