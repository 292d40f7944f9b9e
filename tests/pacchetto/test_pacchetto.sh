#!/usr/bin/env bash
# The Debian package as a user gets it: made with CPack (again only when
# something that goes into it changed), checked by lintian, unpacked into a
# scratch root, and its programs run from there: they must find their own
# files under that root, not in the build or source folder.
# Usage: test_pacchetto.sh SORGENTI COMPILAZIONE
set -euo pipefail
SRC=$(cd "$1" && pwd)
BUILD=$(cd "$2" && pwd)
OUT="$BUILD/pacchetto"
errori=0
sbaglio() { echo "ERRORE: $*" >&2; errori=$((errori + 1)); }

cd "$BUILD"
deb=$(ls -t "$OUT"/rinsal_*.deb 2>/dev/null | head -n 1 || true)
if [ -z "$deb" ] || [ -n "$(find rinsal rinsal-stampa icone man doc CPackConfig.cmake "$SRC/data" "$SRC/dist" \
                             -newer "$deb" -print -quit)" ]; then
  rm -f "$OUT"/rinsal_*.deb "$OUT/lintian.txt"
  inizio=$(date +%s)
  if ! cpack -G DEB >"$OUT.log" 2>&1; then cat "$OUT.log"; exit 1; fi
  deb=$(ls "$OUT"/rinsal_*.deb)
  echo "pacchetto fatto in $(( $(date +%s) - inizio )) s: $deb"
else
  echo "pacchetto già fatto: $deb"
fi

# lintian takes a while: once per package, and a slow machine skips it
# rather than failing.
if [ ! -f "$OUT/lintian.txt" ]; then
  inizio=$(date +%s)
  set +e
  timeout 240 lintian --tag-display-limit 0 "$deb" >"$OUT/lintian.tmp" 2>&1
  esito=$?
  set -e
  if [ $esito -eq 124 ]; then
    echo "lintian troppo lento su questa macchina: controllo saltato"
  else
    mv "$OUT/lintian.tmp" "$OUT/lintian.txt"
    echo "lintian in $(( $(date +%s) - inizio )) s"
  fi
fi
if [ -f "$OUT/lintian.txt" ]; then
  cat "$OUT/lintian.txt"
  if grep -q '^E: ' "$OUT/lintian.txt"; then sbaglio "lintian riporta errori"; fi
fi

radice=$(mktemp -d)
trap 'rm -rf "$radice"' EXIT
dpkg-deb -x "$deb" "$radice"
U="$radice/usr"

# Every file in its place, and only the programs in bin/.
for f in bin/rinsal bin/rinsal-stampa share/rinsal/Internet.mid share/rinsal/SuggerimentiRinsal.TXT \
         share/rinsal/esempi/Puntelli-dati-esempio-1 share/rinsal/esempi/Tiranti-dati-esempio \
         share/rinsal/esempi/Cercol-dati-esempio share/rinsal/esempi/Cerpil-dati-esempio \
         share/rinsal/esempi/Cuciture-dati-esempio share/applications/rinsal.desktop \
         share/mime/packages/rinsal.xml share/metainfo/it.rinsal.rinsal.metainfo.xml \
         share/icons/hicolor/scalable/apps/rinsal.svg share/man/man1/rinsal.1.gz \
         share/man/man1/rinsal-stampa.1.gz share/doc/rinsal/copyright share/doc/rinsal/changelog.gz; do
  [ -f "$U/$f" ] || sbaglio "manca /usr/$f"
done
[ "$(ls "$U/bin" | tr '\n' ' ')" = "rinsal rinsal-stampa " ] || sbaglio "in /usr/bin: $(ls "$U/bin")"
for png in "$U"/share/icons/hicolor/*x*/apps/rinsal.png; do
  lato=$(basename "$(dirname "$(dirname "$png")")")
  file "$png" | grep -q "PNG image data, ${lato/x/ x }," || sbaglio "$png non è un PNG $lato: $(file -b "$png")"
done
[ "$(ls "$U"/share/icons/hicolor/*x*/apps/rinsal.png | wc -l)" -ge 6 ] || sbaglio "poche misure dell'icona"

# What the package needs at run time besides the libraries.
dipende=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libfluidsynth3 timgm6mb-soundfont fonts-urw-base35 qt6-translations-l10n; do
  grep -q "\b$p\b" <<<"$dipende" || sbaglio "Depends senza $p: $dipende"
done

desktop-file-validate "$U/share/applications/rinsal.desktop" || sbaglio "desktop-file-validate"
appstreamcli validate --no-net "$U/share/metainfo/it.rinsal.rinsal.metainfo.xml" || sbaglio "appstreamcli validate"
# The file types by name: the MIME database built from the package alone.
if XDG_DATA_DIRS="$U/share" update-mime-database "$U/share/mime" 2>"$radice/mime.err"; then
  for t in Puntelli:puntelli Tiranti:tiranti Cercol:cercol Cerpil:cerpil Cuciture:cuciture; do
    grep -q "^50:application/x-rinsal-${t#*:}:${t%%:*}-dati-\*:cs$" "$U/share/mime/globs2" ||
      sbaglio "globs2 senza ${t%%:*}-dati-*"
  done
  grep -q "^application/x-rinsal-tiranti text/plain$" "$U/share/mime/subclasses" || sbaglio "sottoclasse text/plain"
else
  sbaglio "update-mime-database: $(cat "$radice/mime.err")"
fi
[ -s "$radice/mime.err" ] && sbaglio "update-mime-database: $(cat "$radice/mime.err")"
for pagina in rinsal rinsal-stampa; do
  avvisi=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$U/share/man/man1/$pagina.1.gz" 2>&1 >/dev/null)
  [ -z "$avvisi" ] || sbaglio "pagina di manuale $pagina: $avvisi"
done

# Every option the programs' own usage names is in their manual page.
for programma in rinsal rinsal-stampa; do
  pagina=$(zcat "$U/share/man/man1/$programma.1.gz" | sed 's/\\-/-/g')
  for opzione in $("$U/bin/$programma" --help | grep -o -- '--[a-z]\+' | sort -u); do
    grep -q -- "$opzione" <<<"$pagina" || sbaglio "$programma.1 non dice di $opzione"
  done
done

# The unpacked programs, from a folder that holds none of the data, with a
# home of their own.
mkdir "$radice/casa" "$radice/vuota"
cd "$radice/vuota"
export HOME="$radice/casa"
esempio="$U/share/rinsal/esempi/Tiranti-dati-esempio"
if "$U/bin/rinsal-stampa" --dati --testo "$esempio" >"$radice/listato.txt" 2>"$radice/stampa.err"; then
  "$BUILD/rinsal-stampa" --dati --testo "$esempio" >"$radice/atteso.txt" 2>/dev/null
  cmp -s "$radice/listato.txt" "$radice/atteso.txt" || sbaglio "la stampa del pacchetto differisce da quella compilata"
  grep -q . "$radice/listato.txt" || sbaglio "stampa vuota"
else
  sbaglio "rinsal-stampa: $(cat "$radice/stampa.err")"
fi
"$U/bin/rinsal" --help | grep -q "^Uso: rinsal \[FILEDATI\]" || sbaglio "rinsal --help"
versione=$("$U/bin/rinsal" --version)
grep -qx "File del programma: $U/share/rinsal" <<<"$versione" || sbaglio "rinsal --version: $versione"

# The windows, offscreen: the package's program started on a sample, and a
# copy of it away from its files. The first must still be up after a few
# seconds with no complaint; the second must say what it misses.
mkdir -p "$radice/altrove/bin"
cp "$U/bin/rinsal" "$radice/altrove/bin/"
QT_QPA_PLATFORM=offscreen timeout 4 "$U/bin/rinsal" "$esempio" 2>"$radice/rinsal.err" &
installato=$!
QT_QPA_PLATFORM=offscreen timeout 4 "$radice/altrove/bin/rinsal" 2>"$radice/altrove.err" &
copia=$!
esito=0
wait $installato || esito=$?
wait $copia || true
[ $esito -eq 124 ] || sbaglio "rinsal finito con esito $esito: $(cat "$radice/rinsal.err")"
grep "rinsal:" "$radice/rinsal.err" && sbaglio "rinsal si lamenta all'avvio"
grep -q "manca il file del programma $radice/altrove/bin/Internet.mid" "$radice/altrove.err" ||
  sbaglio "la copia senza file non se ne accorge: $(cat "$radice/altrove.err")"

[ $errori -eq 0 ] || { echo "$errori errori"; exit 1; }
echo "pacchetto a posto"
