# Sourced by orca.sh once the game shows its settings: six opponents, a seeded tournament, keys
# only and a patient player, who waits for Orca to fall silent before every key. Every
# sentence the table told must be heard whole: "Tocca a te" at most 5 s after the turn began,
# the median sentence at most 3 s after it happened. ORCA_MANI hands (1 unless told).

# Waits until the voice has been silent for 1.5 s: nothing began since and all that began ended.
zitto() {
  local fino=$((SECONDS + 120)) n
  while [ $SECONDS -lt $fino ]; do
    n=$(wc -l <"$K/voce.log")
    sleep 1.5
    [ "$(wc -l <"$K/voce.log")" = "$n" ] && ! tail -n 1 "$K/voce.log" | grep -q ' begin ' && return
  done
}
# Waits for one of the regexes after mark $1 and says which.
prima() {
  local m=$1 fino=$((SECONDS + 180)) r
  shift
  while [ $SECONDS -lt $fino ]; do
    for r in "$@"; do detto "$m" | grep -qE -- "$r" && { echo "$r"; return; }; done
    sleep 0.2
  done
  echo nulla
}
touch "$K/voce.log"
premi Return "Dai Carte"
for mano in $(seq "${ORCA_MANI:-1}"); do
  zitto
  m=$(segno)
  echo "key Return (hand $mano)" >>"$K/giocata.txt"
  xdotool key Return
  while :; do
    case $(prima "$m" "[' ]Tocca a te\.?'" "^'[^']*Vuoi bussare" "^'OK " "^'Dai Carte") in
    *Tocca*) zitto; m=$(segno); xdotool key Return ;;
    *bussare*) zitto; m=$(segno); xdotool key Escape ;;
    *OK*) zitto; m=$(segno); xdotool key Return ;; # the showdown and the balls
    *Dai*) break ;;
    *) echo "FAIL: the hand stopped"; detto "$inizio" | tail -20; exit 1 ;;
    esac
  done
done
zitto
cat "$K/giocata.txt"
/usr/bin/python3 - "$K/detto.log" "$K/voce.log" <<'PY'
import statistics, sys
detto = [l.rstrip("\n").split(" ", 1) for l in open(sys.argv[1]) if " " in l]
voce = [l.rstrip("\n").split(" ", 2) for l in open(sys.argv[2]) if l.count(" ") >= 2]
ritardi, tocca, persi, usate = [], [], [], set()
# Each sentence told is heard when the voice begins it (Orca ends it with a full stop) after it
# was told, and heard whole when that utterance ends rather than being cut. The voice does not
# always report a beginning: then it began as the utterance before it ended.
for t, frase in detto:
    t = float(t)
    for i, (tv, tipo, testo) in enumerate(voce):
        if i in usate or tipo == "cancel" or float(tv) < t - 0.05 or frase not in testo:
            continue
        usate.add(i)
        if tipo == "begin":
            fine, quando = next(((v[1], v[0]) for v in voce[i + 1:]
                                 if v[2] == testo and v[1] != "begin"), ("", tv))
            inizio = float(tv)
        else:
            fine, quando, inizio = tipo, tv, max(t, float(voce[i - 1][0]) if i else t)
        if fine != "end":
            persi.append(frase + " (cut short)")
        ritardo = inizio - t
        ritardi.append(ritardo)
        if frase == "Tocca a te":
            tocca.append(ritardo)
        print("%6.1f s late, %4.1f s long: %s" % (ritardo, float(quando) - inizio, frase))
        break
    else:
        persi.append(frase)
parlato = sum(float(b[0]) - float(a[0]) for a, b in zip(voce, voce[1:])
              if a[1] == "begin" and b[1] != "begin" and a[2] == b[2])
print("told %d, heard %d; lag median %.1f s, worst %.1f s; Tocca a te %s; speech %.0f s"
      % (len(detto), len(ritardi), statistics.median(ritardi or [0]), max(ritardi or [0]),
         " ".join("%.1f" % r for r in tocca), parlato))
male = ["FAIL: never heard: " + p for p in persi]
male += ["FAIL: Tocca a te %.1f s late" % r for r in tocca if r > 5]
if not ritardi or statistics.median(ritardi) > 3:
    male.append("FAIL: the median sentence is heard more than 3 s late")
print("\n".join(male))
sys.exit(1 if male else 0)
PY
