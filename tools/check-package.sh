#!/usr/bin/env bash
# Checks what the game installs: the desktop entry and the metainfo validate, an install
# into a temporary prefix starts under Xvfb from its bin/ link and runs from the folder
# that holds its knock sound, and (as root) the Debian package installs, starts and
# removes without leftovers.
#   tools/check-package.sh BUILD-DIR
set -euo pipefail
build=$(cd "${1:?usage: check-package.sh BUILD-DIR}" && pwd)
sorgente=$(cd "$(dirname "$0")/.." && pwd)
lavoro=$(mktemp -d)
trap 'kill ${xvfb:-} 2>/dev/null || true; rm -rf "$lavoro"' EXIT

echo "== desktop entry and metainfo"
desktop-file-validate "$sorgente/packaging/it.galbirola.Galbirola.desktop"
appstreamcli validate --no-net --pedantic "$sorgente/packaging/it.galbirola.Galbirola.metainfo.xml" |
  grep -v '^ *$' | sed 's/^/  /'
appstreamcli validate --no-net "$sorgente/packaging/it.galbirola.Galbirola.metainfo.xml" >/dev/null

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
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "FAILED: $programma did not stay up"
    return 1
  fi
  local vero
  vero=$(readlink "/proc/$pid/exe")
  if [ ! -f "$(dirname "$vero")/Busso.wav" ]; then
    echo "FAILED: no Busso.wav beside $vero"
    return 1
  fi
  echo "  $programma runs as $vero, with $(dirname "$vero")/Busso.wav"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

echo "== install into a temporary prefix"
DESTDIR="$lavoro/dest" cmake --install "$build" --prefix /usr >/dev/null
radice="$lavoro/dest/usr"
for f in bin/galbirola lib/galbirola/galbirola lib/galbirola/Busso.wav \
  share/applications/it.galbirola.Galbirola.desktop \
  share/metainfo/it.galbirola.Galbirola.metainfo.xml \
  share/icons/hicolor/scalable/apps/galbirola.svg \
  share/icons/hicolor/48x48/apps/galbirola.png share/icons/hicolor/256x256/apps/galbirola.png; do
  [ -e "$radice/$f" ] || { echo "FAILED: $f is not installed"; exit 1; }
done
[ "$(readlink "$radice/bin/galbirola")" = ../lib/galbirola/galbirola ] || {
  echo "FAILED: bin/galbirola is not a link into lib/galbirola"
  exit 1
}
prova_avvio "$radice/bin/galbirola"

if [ "$(id -u)" -ne 0 ]; then
  echo "== Debian package: skipped (needs root to install)"
  exit 0
fi
if dpkg-query -W -f='${Status}' galbirola 2>/dev/null | grep -q 'install ok installed'; then
  echo "== Debian package: skipped (galbirola is already installed on this machine)"
  exit 0
fi
echo "== Debian package"
(cd "$lavoro" && cpack --config "$build/CPackConfig.cmake" -B "$lavoro/pacchetto" >/dev/null 2>&1)
deb=$(ls "$lavoro"/pacchetto/galbirola_*.deb)
echo "  built $(basename "$deb")"
dpkg-deb -f "$deb" Depends | sed 's/^/  depends: /'
dpkg -i "$deb" >/dev/null
installati=$(dpkg -L galbirola)
grep -qx /usr/share/applications/it.galbirola.Galbirola.desktop <<<"$installati"
grep -qx /usr/share/icons/hicolor/48x48/apps/galbirola.png <<<"$installati"
prova_avvio /usr/bin/galbirola
dpkg -r galbirola >/dev/null
for f in $installati; do
  if [ -f "$f" ] || [ -L "$f" ]; then
    echo "FAILED: $f left behind"
    exit 1
  fi
done
[ ! -e /usr/lib/galbirola ] || { echo "FAILED: /usr/lib/galbirola left behind"; exit 1; }
echo "  installed, started and removed without leftovers"
