#!/usr/bin/env bash
# The real game on an X server: title and client size, "Crea Torneo" and "Dai Carte" clicked
# where the buttons stand, cards on the table in a screenshot. (Closing mid-game is the
# window tests' and the monkey's: the same close event, at chosen and at random moments.)
set -euo pipefail
gioco=$1
cartella=${2:-$(mktemp -d)}
mkdir -p "$cartella"

"$gioco" >"$cartella/gioco.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

finestra=""
for _ in $(seq 100); do
  finestra=$(xdotool search --name '^Galbirola 1\.0 \(12\)$' 2>/dev/null | head -1 || true)
  [ -n "$finestra" ] && break
  sleep 0.1
done
[ -n "$finestra" ] || { echo "no window titled 'Galbirola 1.0 (12)'"; exit 1; }
sleep 0.5

titolo=$(xdotool getwindowname "$finestra")
[ "$titolo" = "Galbirola 1.0 (12)" ] || { echo "title: $titolo"; exit 1; }
info=$(xwininfo -id "$finestra")
larghezza=$(awk '/Width:/ {print $2}' <<<"$info")
altezza=$(awk '/Height:/ {print $2}' <<<"$info")
[ "$larghezza" = 640 ] && [ "$altezza" = 480 ] || { echo "client ${larghezza}x$altezza"; exit 1; }
ox=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
oy=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")

# The three buttons share one rectangle: Left 240, Top 2280, 1275 x 1575 twips.
clicca_pulsante() {
  xdotool mousemove --window "$finestra" $(((240 + 1275 / 2) / 15)) $(((2280 + 1575 / 2) / 15)) click 1
}
# A pixel of the window, in twips from its client area's corner, as r,g,b.
pixel() {
  local x=$((ox + $1 / 15)) y=$((oy + $2 / 15))
  convert "$3" -format "%[fx:int(255*p{$x,$y}.r+0.5)],%[fx:int(255*p{$x,$y}.g+0.5)],%[fx:int(255*p{$x,$y}.b+0.5)]" info:
}

import -window root "$cartella/avvio.png"
[ "$(pixel 300 3000 "$cartella/avvio.png")" = "0,128,0" ] || { echo "the table is not green"; exit 1; }

clicca_pulsante
sleep 0.7
import -window root "$cartella/torneo.png"
clicca_pulsante
sleep 0.4
import -window root "$cartella/carte.png"

# The human's first card, a table card and the first computer's first card show cards.
for punto in "6000 5280" "1020 5520" "2220 660"; do
  colore=$(pixel $punto "$cartella/carte.png")
  [ "$colore" != "0,128,0" ] || { echo "no card at $punto"; exit 1; }
done

echo "ok: title, 640x480, cards shown"
