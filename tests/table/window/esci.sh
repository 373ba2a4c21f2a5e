#!/usr/bin/env bash
# Ctrl+Q in the real game on an X server: once at rest, once while the computers play; the
# program must end at once with status 0 each time.
set -euo pipefail
gioco=$1

. "$(dirname "$0")/schermo.sh"
foto=$(mktemp --suffix=.png)
prima=$(mktemp --suffix=.png)
trap 'rm -f "$foto" "$prima"' EXIT

prova() { # $1: what happens before Ctrl+Q
  "$gioco" >/dev/null 2>&1 &
  local pid=$!
  trova_finestra || { echo "$1: no window"; kill $pid; return 1; }
  aspetta_schermo "$foto" pronta "$foto" || { echo "$1: no settings"; kill $pid; return 1; }
  if [ "$1" = "while the computers play" ]; then
    # "Crea Torneo", then "Dai Carte", on the buttons' shared rectangle
    xdotool mousemove --window "$finestra" 58 204 click 1
    aspetta_schermo "$foto" torneo_creato "$foto" || { echo "$1: no tournament"; kill $pid; return 1; }
    cp "$foto" "$prima"
    xdotool mousemove --window "$finestra" 58 204 click 1
    aspetta_schermo "$foto" carte_in_tavola "$foto" "$prima" || { echo "$1: no cards"; kill $pid; return 1; }
  fi
  xdotool windowfocus --sync "$finestra" key ctrl+q
  for _ in $(seq 50); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 $pid 2>/dev/null; then
    echo "$1: still running 5 s after Ctrl+Q"
    kill $pid
    return 1
  fi
  local stato=0
  wait $pid || stato=$?
  [ "$stato" -eq 0 ] || { echo "$1: exit status $stato"; return 1; }
}

prova "at rest"
prova "while the computers play"
echo "ok: Ctrl+Q ends the game with status 0, at rest and mid-game"
