#!/bin/bash
# orca.sh PROGRAM: the real screen reader plays a seeded hand with keys only. Xvfb, a D-Bus
# session with the accessibility bus, openbox, a null sound sink and Orca with its speech
# going to speech-dispatcher; then PROGRAM, played by xdotool, and Orca's speech checked.
# Exit 77 (skipped) when the machine cannot run a screen reader.
set -u
PROG=$(readlink -f "${1:?usage: orca.sh PROGRAM}")
here=$(cd "$(dirname "$0")" && pwd)
salta() { echo "SKIPPED: $*"; exit 77; }

if [ "${2:-}" != --dentro ]; then
  for p in Xvfb dbus-run-session orca xdotool openbox pulseaudio speech-dispatcher; do
    command -v "$p" >/dev/null || salta "$p is not installed"
  done
  [ -x /usr/libexec/at-spi-bus-launcher ] || salta "at-spi-bus-launcher is not installed"
  /usr/bin/python3 -c 'import pyatspi, speechd' 2>/dev/null || salta "Orca's Python modules are missing"
  K=$(mktemp -d /tmp/galbirola-orca.XXXXXX)
  exec 3>"$K/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$K/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$K/display" ] && break; sleep 0.1; done
  [ -s "$K/display" ] || { kill $xvfb; salta "Xvfb did not start"; }
  export DISPLAY=:$(cat "$K/display") ORCA_KIT=$K
  dbus-run-session -- "$0" "$PROG" --dentro
  rc=$?
  kill $xvfb 2>/dev/null
  [ $rc = 0 ] && rm -rf "$K" || echo "kept for a look: $K"
  exit $rc
fi

K=$ORCA_KIT
mkdir -p "$K"/{home/.config,home/.local/share,home/.cache,run,prefs}
chmod 700 "$K/run"
export HOME=$K/home XDG_CONFIG_HOME=$K/home/.config XDG_DATA_HOME=$K/home/.local/share
export XDG_CACHE_HOME=$K/home/.cache XDG_RUNTIME_DIR=$K/run GSETTINGS_BACKEND=memory
# An Italian player has Orca in Italian: its words and its voice.
locale -a | grep -qix it_IT.utf8 || salta "the locale it_IT.UTF-8 is missing"
export LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
# Orca writes its log in blocks unless told to flush each line; voce.log has the times each
# sentence began and ended (or was cut short) in the voice.
cat >"$K/prefs/orca-customizations.py" <<'PY'
import os, time, speechd
import orca.debug
from orca import speechdispatcherfactory as sdf
try:
    orca.debug.debugFile.reconfigure(line_buffering=True)
except Exception:
    pass
voce = open(os.path.join(os.environ["ORCA_KIT"], "voce.log"), "a", buffering=1)
parla = sdf.SpeechServer._speak
def _speak(self, text, acss, **kw):
    if "callback" not in kw and isinstance(text, str) and text.strip():
        tipi = [speechd.CallbackType.BEGIN, speechd.CallbackType.END, speechd.CallbackType.CANCEL]
        kw["callback"] = lambda tipo, index_mark=None, t=text: voce.write(
            "%.3f %s %s\n" % (time.time(), tipo, t.replace("\n", " ")))
        kw["event_types"] = tipi
    return parla(self, text, acss, **kw)
sdf.SpeechServer._speak = _speak
PY
pids=()
vivi() { # whether one of ours still runs (an ended one stays a zombie until the script ends)
  local p
  for p in "${pids[@]}"; do grep -qs '^State:[[:space:]]*[^Z]' "/proc/$p/status" && return 0; done
  return 1
}
fine() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  # Orca refuses to start while another of this user's runs, so the next test waits on this one.
  for _ in $(seq 50); do
    vivi || break
    sleep 0.2
  done
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
  for p in $(pgrep -u "$(id -u)" -f 'speech-dispatch'); do
    grep -qs "$K" "/proc/$p/environ" && kill "$p" 2>/dev/null
  done
}
trap fine EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$K/atspi.log" 2>&1 & pids+=($!)
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done
openbox >"$K/openbox.log" 2>&1 & pids+=($!)
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
  -L "module-null-sink sink_name=nul" -L module-native-protocol-unix >"$K/pulse.log" 2>&1 & pids+=($!)
log=$K/orca.out
touch "$log"
# Orca calls itself "orca" once it runs and will not start beside another of this user's
# (one left by an earlier test may still be shutting down).
for _ in $(seq 150); do
  pgrep -u "$(id -u)" -x orca >/dev/null || break
  sleep 0.2
done
/usr/bin/python3 "$(command -v orca)" --debug-file="$log" -u "$K/prefs" >"$K/orca.stdout" 2>&1 & pids+=($!)

# What Orca said, one utterance a line, from line $1 of its log on.
detto() { tail -n +"$1" "$log" | sed -n "s/.*SPEECH OUTPUT: //p" | sed -E "s/^('.*') ?\{'established'.*/\1/"; }
# What a player hears of it: the words, without the role words one version of Orca adds
# ("push button", "notification") and another leaves out or says apart, on one line, so
# that a sentence said in two utterances still reads whole.
sentito() {
  detto "$1" | sed -E "s/^'(.*)'$/\1/; s/^(notification|notifica)( |$)//; /^$/d" | tr '\n' ' '
}
segno() { wc -l <"$log"; }
# Waits until Orca has said something matching $2 since mark $1 (up to $3 s).
aspetta() {
  local fino=$((SECONDS + ${3:-60}))
  while [ $SECONDS -lt $fino ]; do
    sentito "$1" | grep -qE -- "$2" && return 0
    sleep 0.2
  done
  echo "FAIL: Orca never said /$2/; it said:"; detto "$1" | sed 's/^/    /'
  exit 1
}
# Presses a key and waits for what it should make Orca say.
premi() {
  local m; m=$(segno)
  echo "key $1" >>"$K/giocata.txt"
  xdotool key "$1"
  aspetta "$m" "$2" "${3:-60}"
  sleep 0.3 # let what belongs to this key reach the log before the next key
  detto "$m" | sed 's/^/    /' >>"$K/giocata.txt"
}

aspetta 1 "Lettore schermo attivo|Screen reader on" 120
inizio=$(segno)
GALBIROLA_SEME=${GALBIROLA_SEME:-7} GALBIROLA_DETTO=$K/detto.log QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$PROG" >"$K/game.log" 2>&1 &
pids+=($!)
aspetta "$inizio" "Nome del giocatore" 60
# Another scenario may play from here on, fed by the same harness.
[ -n "${ORCA_SCENA:-}" ] && { . "$here/$ORCA_SCENA"; exit $?; }

carta="[A-Z][a-z]+ di (Bastoni|Coppe|Denari|Spade)"
mani="[A-Z][a-z]+ [A-Z]\\.: $carta, $carta e $carta; " # the seats' hands, when the box is read with them
classifica="1° [^']+: (Punti|Tris|Galbirola)"                 # the showdown box's ranking
premi Return "Dai Carte"
premi Return "Tocca a te" 120
# The questions at the human's turn, each answered aloud; the focus stays on the card it was on.
fuoco=$(sed -n "s/^    '\([A-Z][a-z]* di [A-Z][a-z]*\) .*/\1/p" "$K/giocata.txt" | tail -1)
[ -n "$fuoco" ] || { echo "FAIL: no card was said to have the focus"; exit 1; }
premi c "$carta: (Punti|Tris|Galbirola|Galbirolone)"
premi t "In tavola: $carta"
premi p " e tu [a-z]+ pall[ae]"
premi g "Tocca a te; "
premi r "Tocca a te"
premi space "$fuoco, segnata"
premi Right "$carta"
premi space "$carta, segnata"
premi Right "$carta"
premi space "$carta, segnata"
premi Return "$classifica|$mani" 120
premi Return "Dai Carte" 60

cat "$K/giocata.txt"
tutto=$(sentito "$inizio")
fallito=0
controlla() {
  echo "$tutto" | grep -qE -- "$2" || { echo "FAIL: $1: /$2/ never spoken"; fallito=1; }
}
controlla "a computer's move" "[A-Z][a-z]+ [A-Z]\. (prende|mette in tavola|tiene) "
controlla "whose turn" "Tocca a te"
controlla "the human's knock" "Bussi"
controlla "the last round" "Ultimo giro"
controlla "a ball lost" "([A-Z][a-z]+ [A-Z]\. perde|Perdi) una palla: ne restan?o? [a-z]+"
controlla "the showdown" "$classifica|$mani"
# In the order a player needs them: the knock and the last round before the showdown, the
# showdown before the ball it cost.
controlla "the hand in order" "Tocca a te.*Bussi.*Ultimo giro.*($classifica|$mani).*(perde|Perdi) una palla"
if detto "$inizio" | grep -qiE "^'((not |non )?(checked|selezionat[oa]|spuntat[oa]))\.?'$"; then
  echo "FAIL: a bare state was spoken"; fallito=1
fi
exit $fallito
