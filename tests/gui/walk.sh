#!/usr/bin/env bash
# A walk through the real program as a user takes it: X server, window
# manager, mouse and keyboard from xdotool. Splash, main menu, tie-rod
# window, the worked example typed key by key with Tab, every scroll-bar
# arrow clicked once, the exit sequence. Fails on a hang, a crash, a wrong
# result or a message box more than one per click.
# The program's probe (RINSAL_SONDA) tells where things are on the screen
# and which message boxes opened.
set -euo pipefail

BIN=${1:?usage: walk.sh path/to/rinsal}
LAVORO=$(mktemp -d)
SONDA=$LAVORO/sonda
XPID= ; WMPID= ; RPID=

fine() {
  [ -n "$RPID" ] && kill "$RPID" 2>/dev/null || true
  [ -n "$WMPID" ] && kill "$WMPID" 2>/dev/null || true
  [ -n "$XPID" ] && kill "$XPID" 2>/dev/null || true
  rm -rf "$LAVORO"
}
trap fine EXIT

errore() {
  echo "walk: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then import -window root "$LAVORO/errore.png" 2>/dev/null && \
    cp "$LAVORO/errore.png" "${WALK_SCREENSHOT:-/tmp/walk-errore.png}" && \
    echo "walk: schermata in ${WALK_SCREENSHOT:-/tmp/walk-errore.png}" >&2; fi
  [ -f "$SONDA" ] && tail -n 20 "$SONDA" >&2
  exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$LAVORO/display" 2>/dev/null &
XPID=$!
for _ in $(seq 100); do [ -s "$LAVORO/display" ] && break; sleep 0.05; done
[ -s "$LAVORO/display" ] || errore "Xvfb non parte"
export DISPLAY=":$(tr -d '\n' < "$LAVORO/display")"
openbox --sm-disable >/dev/null 2>&1 &
WMPID=$!
sleep 0.5

export RINSAL_SONDA=$SONDA QT_QPA_PLATFORM=xcb
# Under the sanitizers the X, font and sound libraries keep allocations to
# the end; the walk is about the interaction, the other tests about leaks.
export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export XDG_RUNTIME_DIR=$LAVORO/run XDG_CONFIG_HOME=$LAVORO/config XDG_DATA_HOME=$LAVORO/data
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
(cd "$LAVORO" && exec "$BIN") &
RPID=$!

vivo() { kill -0 "$RPID" 2>/dev/null || errore "il programma è terminato"; }
scatole() { grep -c '^BOX' "$SONDA" 2>/dev/null || true; }

# The active window as the probe describes it (F12), into $LAVORO/vista.
vista() {
  local prima
  prima=$(grep -c '^FINE' "$SONDA" 2>/dev/null || true)
  xdotool key F12
  for _ in $(seq 100); do
    [ "$(grep -c '^FINE' "$SONDA")" -gt "$prima" ] && break
    sleep 0.05
  done
  [ "$(grep -c '^FINE' "$SONDA")" -gt "$prima" ] || errore "la sonda non risponde (programma bloccato?)"
  awk '/^FINESTRA/{b=""} /^BOX/{next} {b=b $0 "\n"} END{printf "%s", b}' "$SONDA" > "$LAVORO/vista"
}

# Waits until the active window's title contains $1.
attendi_finestra() {
  for _ in $(seq 60); do
    vivo
    vista
    grep -q "^FINESTRA.*$1" "$LAVORO/vista" && return 0
    sleep 0.2
  done
  errore "la finestra «$1» non compare"
}

clic() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

# Center of the first element of kind $1 whose text is exactly $2.
centro_di() {
  awk -F'\t' -v t="$1" -v s="$2" '$1==t && $6==s {print int($2+$4/2), int($3+$5/2); exit}' "$LAVORO/vista"
}

# Answers a box with Return and checks that no other comes back.
attendi_scatole() {
  local attese=$1 prima=$2
  sleep 1.2
  local n
  n=$(scatole)
  [ "$((n - prima))" -le "$attese" ] || errore "$((n - prima)) messaggi per un solo clic"
  if [ "$((n - prima))" -gt 0 ]; then
    xdotool key Return
    sleep 1.0
    n=$(scatole)
    [ "$((n - prima))" -le 1 ] || errore "il messaggio si ripresenta dopo OK ($((n - prima)) in tutto)"
  fi
}

# 1. The splash: a click shows the menu.
for _ in $(seq 100); do [ -f "$SONDA" ] && break; sleep 0.05; done
sleep 1
vista
read -r sx sy sw sh < <(awk -F'\t' '/^FINESTRA/{print $2, $3, $4, $5; exit}' "$LAVORO/vista")
[ -n "${sw:-}" ] && [ "$sw" -gt 0 ] || errore "nessuna finestra d'avvio"
clic $((sx + sw / 2)) $((sy + sh / 2))
attendi_finestra "menu delle procedure"

# 2. The menu: a click on the caption of the option "Tiranti" opens the
# tie-rod window (an option answers on its circle and caption only).
read -r ox oy < <(awk -F'\t' '$1=="PULSANTE" && $6=="Tiranti" {print $2 + 30, int($3 + $5/2); exit}' "$LAVORO/vista")
[ -n "${ox:-}" ] || errore "opzione Tiranti non trovata"
clic "$ox" "$oy"
attendi_finestra "Rinsal: tiranti"

# 3. The worked example typed along row 1: the top-left field, then Tab.
read -r fx fy < <(awk -F'\t' '$1=="CAMPO"{print $3, $2, $4, $5}' "$LAVORO/vista" | sort -n -k1,1 -k2,2 |
                  awk '{print int($2+$3/2), int($1+$4/2); exit}')
clic "$fx" "$fy"
prima=$(scatole)
for v in 50 20 5 0,75 1 600 1000 1,5 2; do
  xdotool key ctrl+a
  xdotool type --delay 30 "$v"
  xdotool key Tab
done
sleep 0.5
vivo
[ "$(scatole)" -eq "$prima" ] || errore "messaggi inattesi durante la digitazione"
vista
awk -F'\t' '$1=="CAMPO"{print $3, $2, $6}' "$LAVORO/vista" | sort -n -k1,1 -k2,2 | head -9 |
  awk '{print $3}' | tr '\n' ' ' > "$LAVORO/riga1"
[ "$(cat "$LAVORO/riga1")" = "50 20 5 0,75 1 600 1000 1,5 2 " ] || errore "riga 1: $(cat "$LAVORO/riga1")"
for r in 7065 16875 3532 2,1 5997 2,2; do
  awk -F'\t' -v r="$r" '$1=="ETICHETTA" && $6==r {f=1} END {exit !f}' "$LAVORO/vista" ||
    errore "risultato $r non mostrato"
done

[ -n "${WALK_SCHERMATE:-}" ] && import -window root "$WALK_SCHERMATE/tiranti.png"

# 3b. A huge distance between the restraints: the tie rod's length, far
# longer than its cell, stays inside it (cut or smaller, whole in its
# tooltip), never over its neighbour.
read -r lux luy < <(awk -F'\t' '$1=="ETICHETTA" && $6=="5997" {print $2, $3; exit}' "$LAVORO/vista")
[ -n "${lux:-}" ] || errore "lunghezza del tirante 5997 non trovata"
read -r dx dy < <(awk -F'\t' '$1=="CAMPO"{print $3, $2, $4, $5}' "$LAVORO/vista" | sort -n -k1,1 -k2,2 | sed -n 6p |
                  awk '{print int($2+$3/2), int($1+$4/2)}')
clic "$dx" "$dy"
xdotool key ctrl+a
xdotool type --delay 30 "60000000"
sleep 0.5
vista
riga=$(awk -F'\t' -v x="$lux" -v y="$luy" '$1=="ETICHETTA" && $2==x && $3==y' "$LAVORO/vista")
[ -n "$riga" ] || errore "la cella della lunghezza è sparita"
[ "$(cut -f6 <<<"$riga")" != 5997 ] || errore "la lunghezza non è stata ricalcolata"
! grep -q DEBORDA <<<"$riga" || errore "la lunghezza esce dalla sua cella: $riga"
if grep -q 'DEBORDA' "$LAVORO/vista"; then
  awk -F'\t' '$1=="ETICHETTA" && $7=="DEBORDA" && $6 ~ /^[-0-9,.]+$/' "$LAVORO/vista" | grep -q . &&
    errore "un risultato esce dalla sua cella: $(grep DEBORDA "$LAVORO/vista" | head -1)"
fi
[ -n "${WALK_SCHERMATE:-}" ] && import -window root "$WALK_SCHERMATE/valore-lungo.png"
xdotool key ctrl+a
xdotool type --delay 30 "600"
xdotool key Tab
sleep 0.3

# 4. Every scroll-bar arrow of the window, once: at most one message each.
awk -F'\t' '$1 ~ /^BARRA/ && $6 !~ /disabilitata/ {print $1, $2, $3, $4, $5}' "$LAVORO/vista" > "$LAVORO/barre"
[ -s "$LAVORO/barre" ] || errore "nessuna barra di scorrimento"
while read -r tipo x y w h; do
  for lato in 0 1; do
    if [ "$tipo" = BARRAV ]; then
      px=$((x + w / 2)); py=$(( lato == 0 ? y + w / 2 : y + h - w / 2 - 1 ))
    else
      py=$((y + h / 2)); px=$(( lato == 0 ? x + h / 2 : x + w - h / 2 - 1 ))
    fi
    prima=$(scatole)
    clic "$px" "$py"
    attendi_scatole 1 "$prima"
    vivo
  done
done < "$LAVORO/barre"

# 4b. Closing with the window manager (Alt+F4) on typed, unsaved data asks
# once; Escape (Cancel) stays with the data.
attendi_finestra "Rinsal: tiranti"
prima=$(scatole)
xdotool key alt+F4
sleep 1.0
[ "$(scatole)" -eq $((prima + 1)) ] || errore "la chiusura con dati non salvati non chiede una volta sola"
grep '^BOX' "$SONDA" | tail -n 1 | grep -q "non sono stati salvati" || errore "domanda di chiusura errata"
xdotool key Escape
sleep 0.8
vivo
attendi_finestra "Rinsal: tiranti"

# 4c. Open, then Escape in the file dialog: the window stays as it was.
awk -F'\t' '$1=="CAMPO" || $1=="ETICHETTA"' "$LAVORO/vista" > "$LAVORO/prima"
xdotool key alt+f
sleep 0.5
xdotool key a
sleep 1.5
vivo
xdotool key Escape
sleep 0.8
attendi_finestra "Rinsal: tiranti"
awk -F'\t' '$1=="CAMPO" || $1=="ETICHETTA"' "$LAVORO/vista" > "$LAVORO/dopo"
cmp -s "$LAVORO/prima" "$LAVORO/dopo" || errore "Apri annullato ha cambiato la finestra"

# 5. The exit sequence: "&USCITA", Yes, then a key on the splash ends it.
attendi_finestra "Rinsal: tiranti"
read -r ex ey < <(centro_di PULSANTE "&USCITA")
[ -n "${ex:-}" ] || errore "pulsante USCITA non trovato"
prima=$(scatole)
clic "$ex" "$ey"
sleep 0.8
[ "$(scatole)" -eq $((prima + 1)) ] || errore "la domanda d'uscita non compare una volta sola"
grep '^BOX' "$SONDA" | tail -n 1 | grep -q "Vuoi uscire da Rinsal?" || errore "domanda d'uscita errata"
xdotool key alt+s
sleep 1.0
vivo
xdotool key q
for _ in $(seq 50); do kill -0 "$RPID" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$RPID" 2>/dev/null; then errore "il programma non termina con un tasto sulla finestra finale"; fi
wait "$RPID" || errore "il programma è uscito con errore"
RPID=

# 6. A crash after typing: killed (SIGKILL) once the recovery copy is
# written, the next start offers the typed row back.
export RINSAL_INTERVALLO_RECUPERO=500
SONDA=$LAVORO/sonda2
export RINSAL_SONDA=$SONDA
(cd "$LAVORO" && exec "$BIN") &
RPID=$!
for _ in $(seq 100); do [ -f "$SONDA" ] && break; sleep 0.05; done
sleep 1
vista
read -r sx sy sw sh < <(awk -F'\t' '/^FINESTRA/{print $2, $3, $4, $5; exit}' "$LAVORO/vista")
clic $((sx + sw / 2)) $((sy + sh / 2))
attendi_finestra "menu delle procedure"
read -r ox oy < <(awk -F'\t' '$1=="PULSANTE" && $6=="Tiranti" {print $2 + 30, int($3 + $5/2); exit}' "$LAVORO/vista")
clic "$ox" "$oy"
attendi_finestra "Rinsal: tiranti"
read -r fx fy < <(awk -F'\t' '$1=="CAMPO"{print $3, $2, $4, $5}' "$LAVORO/vista" | sort -n -k1,1 -k2,2 |
                  awk '{print int($2+$3/2), int($1+$4/2); exit}')
clic "$fx" "$fy"
xdotool type --delay 30 "47"
copia() { find "$XDG_DATA_HOME" -name 'Tiranti-dati-.recupero' 2>/dev/null | grep -q .; }
for _ in $(seq 50); do copia && break; sleep 0.1; done
copia || errore "nessuna copia di recupero"
kill -KILL "$RPID"
wait "$RPID" 2>/dev/null || true
SONDA=$LAVORO/sonda3
export RINSAL_SONDA=$SONDA
(cd "$LAVORO" && exec "$BIN") &
RPID=$!
for _ in $(seq 100); do grep -q '^BOX' "$SONDA" 2>/dev/null && break; sleep 0.1; done
grep '^BOX' "$SONDA" | tail -n 1 | grep -q "copie di recupero.*- Tiranti, copia scritta il" ||
  errore "la copia di recupero non è offerta"
xdotool key Return
attendi_finestra "Rinsal: tiranti"
awk -F'\t' '$1=="CAMPO"{print $3, $2, $6}' "$LAVORO/vista" | sort -n -k1,1 -k2,2 | head -1 |
  awk '{print $3}' | grep -qx 47 || errore "la riga digitata non è tornata"

# 7. A click on the row number "1" (no row before it) changes nothing.
awk -F'\t' '$1=="CAMPO" || $1=="ETICHETTA"' "$LAVORO/vista" > "$LAVORO/prima"
read -r nx ny < <(awk -F'\t' '$1=="ETICHETTA" && $6=="1" {print $2, $3, int($2+$4/2), int($3+$5/2)}' "$LAVORO/vista" |
                  sort -n -k1,1 -k2,2 | awk '{print $3, $4; exit}')
[ -n "${nx:-}" ] || errore "numero 1 non trovato"
prima=$(scatole)
clic "$nx" "$ny"
xdotool mousemove 5 5
sleep 0.5
vista
[ "$(scatole)" -eq "$prima" ] || errore "il clic sul numero 1 apre un messaggio"
awk -F'\t' '$1=="CAMPO"{print $3, $2, $6}' "$LAVORO/vista" | sort -n -k1,1 -k2,2 | head -1 |
  awk '{print $3}' | grep -qx 47 || errore "il clic sul numero 1 ha cambiato la riga 1"

# 8. Tab from the last field of screen line 5 goes on to row 6, the rows
# scrolling under the cursor.
read -r lx ly < <(awk -F'\t' '$1=="CAMPO"{print $3, $2, $4, $5}' "$LAVORO/vista" | sort -n -k1,1 -k2,2 | head -45 |
                  tail -1 | awk '{print int($2+$3/2), int($1+$4/2)}')
clic "$lx" "$ly"
xdotool key Tab
sleep 0.5
vista
# The row numbers: the leftmost column of numeric labels, the top one.
primo=$(awk -F'\t' '$1=="ETICHETTA" && $6 ~ /^[0-9]+$/ {print $2, $3, $6}' "$LAVORO/vista" | sort -n -k1,1 -k2,2 |
        head -1 | awk '{print $3}')
[ "$primo" = 2 ] || errore "Tab dalla riga 5 non porta alla riga 6 (prima riga mostrata: $primo)"
kill "$RPID" 2>/dev/null || true
wait "$RPID" 2>/dev/null || true
RPID=
echo "walk: percorso completato"
