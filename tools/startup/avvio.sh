#!/usr/bin/env bash
# Start-up time (launch to first painted window) and resident memory of the game, side by
# side with the smallest Qt Widgets program built here (the floor); then the game's CPU use
# while the computers think. Usage: tools/startup/avvio.sh [path/to/galbirola] [runs]
# Without a display it runs itself on a virtual X server.
set -euo pipefail
radice=$(cd "$(dirname "$0")/../.." && pwd)
gioco=$(realpath "${1:-$radice/build/bin/galbirola}")
giri=${2:-7}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' "$0" "$gioco" "$giri"
fi
export QT_QPA_PLATFORM=xcb

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cmake -S "$radice/tools/startup/pavimento" -B "$lavoro" -G Ninja >/dev/null
cmake --build "$lavoro" >/dev/null
osserva=$lavoro/osserva

# One launch: milliseconds to the first painted pixel of table green, and the resident
# set in kB once the window has settled.
misura() { # program title
  local inizio fine pid rss
  inizio=$(date +%s%N)
  "$1" >/dev/null 2>&1 &
  pid=$!
  fine=$("$osserva" "$2" 2 2 008000 20) || { kill $pid; echo "no paint from $1" >&2; exit 1; }
  sleep 1
  rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  kill $pid
  wait $pid 2>/dev/null || true
  echo "$(((fine - inizio) / 1000000)) $rss"
}

mediana() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

: >"$lavoro/tempi-gioco" && : >"$lavoro/tempi-pavimento"
for _ in $(seq "$giri"); do
  misura "$lavoro/pavimento" Pavimento >>"$lavoro/tempi-pavimento"
  misura "$gioco" "Galbirola 1.0 (12)" >>"$lavoro/tempi-gioco"
done
tp=$(cut -d' ' -f1 "$lavoro/tempi-pavimento" | mediana)
tg=$(cut -d' ' -f1 "$lavoro/tempi-gioco" | mediana)
mp=$(cut -d' ' -f2 "$lavoro/tempi-pavimento" | mediana)
mg=$(cut -d' ' -f2 "$lavoro/tempi-gioco" | mediana)
echo "start-up to first paint (median of $giri): galbirola ${tg} ms, floor ${tp} ms, ratio $(awk "BEGIN {printf \"%.2f\", $tg / $tp}")"
echo "resident memory (median of $giri): galbirola ${mg} kB, floor ${mp} kB, ratio $(awk "BEGIN {printf \"%.2f\", $mg / $mp}")"

# CPU while the computers think: six opponents, deal, answer a question with No, then
# sample the process's CPU time over five seconds of play.
"$gioco" >/dev/null 2>&1 &
pid=$!
"$osserva" "Galbirola 1.0 (12)" 2 2 008000 20 >/dev/null
finestra=$(xdotool search --name '^Galbirola 1\.0 \(12\)$' | head -1)
pulsante() { xdotool mousemove --window "$finestra" 58 204 click 1; }
pulsante
sleep 0.5
pulsante
sleep 0.3
xdotool key Escape 2>/dev/null || true
tick=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' /proc/$pid/stat; }
c0=$(cpu)
sleep 5
c1=$(cpu)
kill $pid
wait $pid 2>/dev/null || true
echo "CPU while the computers play: $(awk "BEGIN {printf \"%.1f\", 100 * ($c1 - $c0) / $tick / 5}")% of one core over 5 s"
