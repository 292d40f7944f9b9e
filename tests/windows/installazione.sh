#!/usr/bin/env bash
# The setup program under wine, as a Windows user meets it: silent install
# into a fresh prefix, the installed program started on Xvfb (splash, the
# main menu on a click, a sample opened from the command line, a message
# box), its batch printer writing a PDF, and the uninstaller removing every
# installed file. Wine's exit status cannot be trusted: files, registry and
# windows are checked instead. Screenshots go to WINDOWS_BUILD/schermate.
#   tests/windows/installazione.sh SOURCES WINDOWS_BUILD
set -euo pipefail
radice=${1:?sorgenti}
windows=${2:?cartella della versione Windows}
setup=$(ls "$windows"/Rinsal-*-setup.exe | head -1)
lavoro=$windows/installazione
schermate=$windows/schermate
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
XPID= ; WMPID=

fine() {
  wineserver -k 2>/dev/null || true
  [ -n "$WMPID" ] && kill "$WMPID" 2>/dev/null || true
  [ -n "$XPID" ] && kill "$XPID" 2>/dev/null || true
}
trap fine EXIT

errore() {
  echo "installazione: $*" >&2
  [ -n "${DISPLAY:-}" ] && import -window root "$schermate/errore.png" 2>/dev/null &&
    echo "installazione: schermata in $schermate/errore.png" >&2
  [ -f "$lavoro/sonda" ] && tail -n 20 "$lavoro/sonda" >&2
  exit 1
}

rm -rf "$lavoro" "$schermate"
mkdir -p "$lavoro" "$schermate"
x86_64-w64-mingw32-objdump -f "$setup" | grep -q "pei-x86-64" || errore "$setup non è un programma a 64 bit"

# A fresh prefix: the one the suite used has the program's settings in it.
bash "$radice/tests/windows/prefisso-wine.sh" "$windows/wine-modello"
cp -a "$windows/wine-modello" "$lavoro/prefisso"
export WINEPREFIX=$lavoro/prefisso
cartella="$WINEPREFIX/drive_c/Program Files/Rinsal"

# 1. Silent install.
t=$(date +%s%N)
timeout 300 wine "$setup" /S >/dev/null 2>&1 || true
wineserver -w
echo "installazione silenziosa: $(( ($(date +%s%N) - t) / 1000000 )) ms"
attesi=(rinsal.exe rinsal-stampa.exe Uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll
        Qt6PrintSupport.dll platforms/qwindows.dll platforms/qoffscreen.dll platforms/qminimal.dll qt.conf libstdc++-6.dll
        libgcc_s_seh-1.dll libwinpthread-1.dll translations/qtbase_it.qm Internet.mid
        SuggerimentiRinsal.TXT rinsal.ico rinsal-stampa.html esempi/Tiranti-dati-esempio
        esempi/Puntelli-dati-esempio-1)
for f in "${attesi[@]}"; do
  [ -f "$cartella/$f" ] || errore "manca $f nella cartella del programma"
done
ls "$cartella"/styles/*.dll >/dev/null 2>&1 || errore "mancano gli stili di Qt"
menu=$(find "$WINEPREFIX/drive_c" -path "*Start Menu/Programs/Rinsal" -type d | head -1)
[ -n "$menu" ] || errore "nessuna cartella Rinsal nel menu Start"
[ -f "$menu/Rinsal.lnk" ] || errore "manca il collegamento «Rinsal» nel menu Start"
[ -f "$menu/Manuale di rinsal-stampa.lnk" ] || errore "manca il collegamento al manuale di rinsal-stampa"
grep -q 'Uninstall\\\\Rinsal\]' "$WINEPREFIX/system.reg" || errore "nessuna voce di disinstallazione"
grep -qi 'Applications\\\\rinsal.exe\\\\shell\\\\open\\\\command\]' "$WINEPREFIX/system.reg" ||
  errore "nessuna voce «Apri con»"
grep -qi 'OpenWithList\\\\rinsal.exe\]' "$WINEPREFIX/system.reg" || errore "Rinsal non è fra i programmi di «Apri con»"
(cd "$WINEPREFIX/drive_c" && find "Program Files/Rinsal" -type f | sort) >"$lavoro/installati"
echo "installati $(wc -l <"$lavoro/installati") file, $(du -sm "$cartella" | cut -f1) MB"

# 3. The installed program on a screen: start time, then a walk.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$lavoro/display" 2>/dev/null &
XPID=$!
for _ in $(seq 100); do [ -s "$lavoro/display" ] && break; sleep 0.05; done
[ -s "$lavoro/display" ] || errore "Xvfb non parte"
export DISPLAY=":$(tr -d '\n' <"$lavoro/display")"
openbox --sm-disable >/dev/null 2>&1 &
WMPID=$!
sleep 0.5
# 2. Start time: from the command to the splash painted (median of five).
for _ in 1 2 3 4 5; do
  t=$(date +%s%N)
  RINSAL_ESCI_DOPO_AVVIO=1 timeout 60 wine "$cartella/rinsal.exe" >/dev/null 2>&1 || true
  echo $(( ($(date +%s%N) - t) / 1000000 ))
done | sort -n >"$lavoro/avvii"
echo "avvio sotto wine: mediana $(sed -n 3p "$lavoro/avvii") ms (su $(tr '\n' ' ' <"$lavoro/avvii")ms)"
[ "$(sed -n 3p "$lavoro/avvii")" -lt 50000 ] || errore "il programma non arriva allo splash"

SONDA=$lavoro/sonda
export RINSAL_SONDA
RINSAL_SONDA=$(winepath -w "$SONDA")

vista() {
  local prima
  prima=$(grep -c '^FINE' "$SONDA" 2>/dev/null || true)
  xdotool key F12
  for _ in $(seq 100); do
    [ "$(grep -c '^FINE' "$SONDA" 2>/dev/null || true)" -gt "$prima" ] && break
    sleep 0.05
  done
  [ "$(grep -c '^FINE' "$SONDA")" -gt "$prima" ] || return 1
  awk '/^FINESTRA/{b=""} /^BOX/{next} {b=b $0 "\n"} END{printf "%s", b}' "$SONDA" >"$lavoro/vista"
}
attendi_finestra() {
  for _ in $(seq 80); do
    # Wine's new windows do not always take the focus from the window manager.
    [ "$1" != "." ] && xdotool search --onlyvisible --name "$1" windowactivate >/dev/null 2>&1 || true
    vista && grep -q "^FINESTRA.*$1" "$lavoro/vista" && return 0
    sleep 0.25
  done
  errore "la finestra «$1» non compare"
}
attendi_sonda() {
  for _ in $(seq 200); do [ -f "$SONDA" ] && return 0; sleep 0.1; done
  errore "il programma installato non parte"
}

(cd "$lavoro" && exec wine "$cartella/rinsal.exe" >/dev/null 2>&1) &
disown
attendi_sonda
sleep 2
attendi_finestra "."
read -r sx sy sw sh < <(awk -F'\t' '/^FINESTRA/{print $2, $3, $4, $5; exit}' "$lavoro/vista")
[ "${sw:-0}" -gt 0 ] || errore "nessuna finestra d'avvio"
import -window root "$schermate/avvio.png"
xdotool mousemove $((sx + sw / 2)) $((sy + sh / 2)) click 1
attendi_finestra "menu delle procedure"
sleep 0.5
import -window root "$schermate/menu.png"
wineserver -k 2>/dev/null || true
sleep 1
rm -f "$SONDA"

# A sample named on the command line, as "Apri con" starts it.
(cd "$lavoro" && exec wine "$cartella/rinsal.exe" 'C:\Program Files\Rinsal\esempi\Tiranti-dati-esempio' >/dev/null 2>&1) &
disown
attendi_sonda
attendi_finestra "Rinsal: tiranti"
grep -q "Tiranti-dati-esempio" "$lavoro/vista" || errore "il titolo non nomina il file aperto"
awk -F'\t' '$1=="CAMPO" && $6=="50" {f=1} END {exit !f}' "$lavoro/vista" || errore "i dati dell'esempio non sono nella finestra"
sleep 0.5
import -window root "$schermate/tiranti.png"
# A change, then Alt+F4: the question about unsaved work, in Italian.
read -r fx fy < <(awk -F'\t' '$1=="CAMPO" && $6=="50" {print int($2+$4/2), int($3+$5/2); exit}' "$lavoro/vista")
xdotool mousemove "$fx" "$fy" click 1
xdotool key End
xdotool type --delay 50 "1"
sleep 0.5
xdotool key alt+F4
for _ in $(seq 40); do grep -q '^BOX' "$SONDA" && break; sleep 0.25; done
grep -q '^BOX' "$SONDA" || errore "nessuna domanda alla chiusura con dati modificati"
sleep 0.5
import -window root "$schermate/messaggio.png"
wineserver -k 2>/dev/null || true
sleep 1

# 4. The installed batch printer writes a PDF.
pdf=$lavoro/tiranti.pdf
wine "$cartella/rinsal-stampa.exe" --dati -o "$(winepath -w "$pdf")" \
  'C:\Program Files\Rinsal\esempi\Tiranti-dati-esempio' >/dev/null 2>&1 || true
[ -s "$pdf" ] || errore "rinsal-stampa installato non ha scritto il PDF"
testo=$(pdftotext -enc UTF-8 "$pdf" -)
grep -q "RINSAL - calcolo di tiranti" <<<"$testo" || errore "il PDF non ha il titolo della stampa"
grep -q "tirante n. 3" <<<"$testo" || errore "il PDF non ha l'ultimo tirante dell'esempio"

# 5. The uninstaller removes every installed file.
wine "$cartella/Uninstall.exe" /S >/dev/null 2>&1 || true
wineserver -w
sleep 2
wineserver -w
rimasti=$(cd "$WINEPREFIX/drive_c" && while read -r f; do [ -e "$f" ] && echo "$f"; done <"$lavoro/installati" || true)
[ -z "$rimasti" ] || errore "dopo la disinstallazione restano: $rimasti"
[ ! -e "$menu" ] || errore "la cartella del menu Start resta dopo la disinstallazione"
! grep -qi 'Applications\\\\rinsal.exe\]' "$WINEPREFIX/system.reg" || errore "la voce «Apri con» resta dopo la disinstallazione"
echo "installazione, avvio, stampa e disinstallazione sotto wine: superate"
