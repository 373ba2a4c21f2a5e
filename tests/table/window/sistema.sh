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
. "$(dirname "$0")/schermo.sh"

trova_finestra || { echo "no window titled 'Galbirola 1.0 (12)'"; exit 1; }
titolo=$(xdotool getwindowname "$finestra")
[ "$titolo" = "Galbirola 1.0 (12)" ] || { echo "title: $titolo"; exit 1; }
info=$(xwininfo -id "$finestra")
larghezza=$(awk '/Width:/ {print $2}' <<<"$info")
altezza=$(awk '/Height:/ {print $2}' <<<"$info")
[ "$larghezza" = 640 ] && [ "$altezza" = 480 ] || { echo "client ${larghezza}x$altezza"; exit 1; }

# The three buttons share one rectangle: Left 240, Top 2280, 1275 x 1575 twips.
clicca_pulsante() {
  xdotool mousemove --window "$finestra" $(((240 + 1275 / 2) / 15)) $(((2280 + 1575 / 2) / 15)) click 1
}

aspetta_schermo "$cartella/avvio.png" pronta "$cartella/avvio.png" ||
  { echo "the table is not green, or no settings"; exit 1; }
clicca_pulsante
aspetta_schermo "$cartella/torneo.png" torneo_creato "$cartella/torneo.png" ||
  { echo "the settings stay after 'Crea Torneo'"; exit 1; }
clicca_pulsante
aspetta_schermo "$cartella/carte.png" carte_in_tavola "$cartella/carte.png" "$cartella/torneo.png" ||
  { echo "no cards on the table after 'Dai Carte'"; exit 1; }

echo "ok: title, 640x480, cards shown"
