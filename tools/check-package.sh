#!/usr/bin/env bash
# Checks what the game installs, as a distribution would: an install into a temporary prefix
# has a desktop entry, metainfo and manual page that their linters pass without a remark and
# starts under Xvfb from its bin/ link, running from the folder that holds its knock sound;
# the Debian package passes lintian with no error or warning; and (as root) the package
# installs, starts from /usr/games and removes without leftovers. Every failure ends the
# check with the tool's own words.
#   tools/check-package.sh BUILD-DIR
set -euo pipefail
build=$(cd "${1:?usage: check-package.sh BUILD-DIR}" && pwd)
lavoro=$(mktemp -d)
trap 'kill ${xvfb:-} 2>/dev/null || true; rm -rf "$lavoro"' EXIT

fallito() {
  echo "FAILED: $*"
  exit 1
}

# Runs a linter, shows what it said and fails if it failed or said anything on stderr.
pulito() {
  local uscita=0
  "$@" >"$lavoro/detto" 2>"$lavoro/errori" || uscita=$?
  cat "$lavoro/detto" "$lavoro/errori" | grep -v '^ *$' | sed 's/^/  /' || true
  [ "$uscita" -eq 0 ] || fallito "$1 exited with status $uscita"
  [ ! -s "$lavoro/errori" ] || fallito "$1 complained"
}

echo "== install into a temporary prefix"
DESTDIR="$lavoro/dest" cmake --install "$build" --prefix /usr >/dev/null
radice="$lavoro/dest/usr"
id=it.galbirola.galbirola
for f in bin/galbirola lib/galbirola/galbirola lib/galbirola/Busso.wav \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/galbirola.svg \
  share/icons/hicolor/48x48/apps/galbirola.png share/icons/hicolor/256x256/apps/galbirola.png \
  share/man/man6/galbirola.6.gz share/doc/galbirola/copyright share/doc/galbirola/changelog.gz \
  share/doc/galbirola/LICENSE; do
  [ -e "$radice/$f" ] || fallito "$f is not installed"
done
[ "$(readlink "$radice/bin/galbirola")" = ../lib/galbirola/galbirola ] ||
  fallito "bin/galbirola is not a link into lib/galbirola"

echo "== desktop entry"
pulito desktop-file-validate "$radice/share/applications/$id.desktop"
echo "== metainfo"
metainfo="$radice/share/metainfo/$id.metainfo.xml"
pulito appstreamcli validate --pedantic --strict --no-net --explain "$metainfo"
! grep -q '^[EWIP]: ' "$lavoro/detto" || fallito "appstreamcli has remarks, even if only pedantic ones"
echo "== manual page"
pagina="$radice/share/man/man6/galbirola.6.gz"
pulito mandoc -T lint "$pagina"
# Shows the page's name line as man renders it; any warning from the formatter fails.
leggi_pagina() {
  MANWIDTH=80 man --warnings "$@" >"$lavoro/pagina" 2>"$lavoro/errori" || true
  if [ -s "$lavoro/errori" ] || ! grep -q '^NAME' "$lavoro/pagina"; then
    sed 's/^/  /' "$lavoro/errori"
    fallito "man could not render galbirola(6) cleanly"
  fi
  grep -A1 '^NAME' "$lavoro/pagina" | tail -1 | sed 's/^ */  /'
}
leggi_pagina -l "$pagina"

display=:$((70 + RANDOM % 20))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1

# Starts a program through its link, checks that it stays up and that the process runs from
# the folder that holds Busso.wav, then closes it.
prova_avvio() {
  local programma=$1
  DISPLAY=$display "$programma" >/dev/null 2>&1 &
  local pid=$!
  sleep 2
  kill -0 "$pid" 2>/dev/null || fallito "$programma did not stay up"
  local vero
  vero=$(readlink "/proc/$pid/exe")
  [ -f "$(dirname "$vero")/Busso.wav" ] || fallito "no Busso.wav beside $vero"
  echo "  $programma runs as $vero, with $(dirname "$vero")/Busso.wav"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}
echo "== start from the temporary prefix"
prova_avvio "$radice/bin/galbirola"

echo "== Debian package"
(cd "$lavoro" && cpack --config "$build/CPackConfig.cmake" -B "$lavoro/pacchetto" >"$lavoro/cpack" 2>&1) || {
  cat "$lavoro/cpack"
  fallito "cpack could not build the package"
}
deb=$(ls "$lavoro"/pacchetto/galbirola_*.deb)
echo "  built $(basename "$deb")"
dpkg-deb -f "$deb" Depends | sed 's/^/  depends: /'
contenuto=$(dpkg-deb -c "$deb")
grep -q ' \./usr/games/galbirola -> \.\./lib/galbirola/galbirola$' <<<"$contenuto" ||
  fallito "no link /usr/games/galbirola -> ../lib/galbirola/galbirola in the package"
echo "== lintian"
# As a distribution runs it: errors and warnings fail, the rest is shown.
stato=0
lintian --fail-on error,warning --display-info --pedantic "$deb" >"$lavoro/lintian" 2>&1 || stato=$?
grep -v 'running with root privileges is not recommended' "$lavoro/lintian" | sed 's/^/  /' || true
[ "$stato" -eq 0 ] || fallito "lintian exited with status $stato"

if [ "$(id -u)" -ne 0 ]; then
  echo "== install and remove the package: skipped (needs root)"
  exit 0
fi
# One package check at a time on a machine: they install and remove the same package.
exec 9>/tmp/galbirola-package-check.lock
flock -w 120 9 || fallito "another package check holds /tmp/galbirola-package-check.lock"
if dpkg-query -W -f='${Status}' galbirola 2>/dev/null | grep -q 'install ok installed'; then
  echo "== install and remove the package: skipped (galbirola is already installed on this machine)"
  exit 0
fi
echo "== install and remove the package"
dpkg -i "$deb" >/dev/null
installati=$(dpkg -L galbirola)
grep -qx /usr/share/applications/$id.desktop <<<"$installati"
grep -qx /usr/share/icons/hicolor/48x48/apps/galbirola.png <<<"$installati"
prova_avvio /usr/games/galbirola
if grep -qx /usr/share/man/man6/galbirola.6.gz <<<"$installati" &&
  [ -e /usr/share/man/man6/galbirola.6.gz ]; then
  [ "$(man -w 6 galbirola)" = /usr/share/man/man6/galbirola.6.gz ] || fallito "man does not find galbirola(6)"
  leggi_pagina 6 galbirola
else
  echo "  (dpkg on this machine leaves manual pages out: galbirola(6) not looked up)"
fi
dpkg -r galbirola >/dev/null
for f in $installati; do
  if [ -f "$f" ] || [ -L "$f" ]; then
    fallito "$f left behind"
  fi
done
[ ! -e /usr/lib/galbirola ] || fallito "/usr/lib/galbirola left behind"
echo "  installed, started and removed without leftovers"
