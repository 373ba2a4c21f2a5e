#!/usr/bin/env bash
# Plays tournaments across every opponent count and human policy and fails on the first
# run that does not end cleanly. Build with -DGALBIROLA_INVARIANTS=ON so that the table
# checks itself at every step.
#   tools/soak.sh build-soak/bin/galbirola-sim 5556   # about 100,000 tournaments
set -euo pipefail
sim=${1:?usage: soak.sh PATH-TO-galbirola-sim [TOURNAMENTS-PER-SETTING]}
tornei=${2:-200}
totale=0
for avversari in 1 2 3 4 5 6; do
  for umano in keep table computer; do
    seme=$((avversari * 1000 + ${#umano}))
    if ! uscita=$("$sim" --seed "$seme" --opponents "$avversari" --human "$umano" \
      --tournaments "$tornei" 2>&1); then
      echo "FAILED: --seed $seme --opponents $avversari --human $umano --tournaments $tornei"
      echo "$uscita"
      exit 1
    fi
    totale=$((totale + tornei))
    echo "$avversari opponents, human $umano: $(grep -E '^(hands|longest hand|longest run)' <<<"$uscita" | tr '\n' ' ')"
  done
done
echo "$totale tournaments played, all ended"
