#!/usr/bin/env bash
# Sets up what Galbirola needs on Debian 12 or 13, builds it and then either starts the game
# (run) or runs every test (test); on Debian 12 the tests go on in a Debian 13 chroot. Safe to
# run again: it installs only what is missing.
set -euo pipefail

cd "$(dirname "$0")"
modo=${1:-run}

pacchetti=(
  cmake ninja-build g++ pkgconf
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libpulse-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang-format
  fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool imagemagick x11-utils
  dbus-daemon dbus-bin at-spi2-core pulseaudio pulseaudio-utils
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng python3-pyatspi python3-speechd
  gir1.2-gtk-3.0 gir1.2-wnck-3.0 openbox locales
  desktop-file-utils appstream mandoc man-db
  build-essential dpkg-dev debhelper lintian diffoscope-minimal mmdebstrap
)

mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || mancanti+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ((${#mancanti[@]})); then
  echo "Installing: ${mancanti[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
fi
# The screen reader's test hears Orca in Italian, as an Italian player has it.
if ! locale -a | grep -qix it_IT.utf8; then
  $sudo sed -i 's/^# *it_IT.UTF-8 UTF-8/it_IT.UTF-8 UTF-8/' /etc/locale.gen
  $sudo locale-gen
fi

lavori=$(nproc 2>/dev/null || echo 2)

costruisci() { # build-dir, extra cmake arguments...
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" --parallel "$lavori"
}

case "$modo" in
run)
  costruisci build -DCMAKE_BUILD_TYPE=Release
  exec build/bin/galbirola
  ;;
test)
  echo "== format check"
  git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
  righe() { xargs -0 -r cat | grep -c -v '^[[:space:]]*$' || true; }
  tutte=$(git ls-files -z '*.cpp' '*.h' | righe)
  prove=$(git ls-files -z 'tests/*.cpp' 'tests/*.h' | righe)
  echo "== test share: $prove of $tutte non-blank C++ lines are under tests/ ($((100 * prove / tutte))%)"
  echo "== release build and tests (at ${SECONDS}s)"
  costruisci build -DCMAKE_BUILD_TYPE=Release
  # The real screen reader runs one session at a time on a machine.
  QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$lavori" -E '^lettore_orca'
  echo "== the real screen reader (at ${SECONDS}s)"
  flock /tmp/galbirola-orca.lock \
    env QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -R '^lettore_orca'
  if [ "${GALBIROLA_SANITIZER:-}" = no ]; then
    echo "== AddressSanitizer and UndefinedBehaviorSanitizer: left to the machine's own release (at ${SECONDS}s)"
    exit 0
  fi
  echo "== AddressSanitizer and UndefinedBehaviorSanitizer build and tests (at ${SECONDS}s)"
  costruisci build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGALBIROLA_SANITIZE=ON \
    -DGALBIROLA_INVARIANTS=ON -DGALBIROLA_BENCHMARKS=OFF
  # The full table's pace is measured against the voice, so it is heard in the Release build only.
  ASAN_OPTIONS=halt_on_error=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    flock /tmp/galbirola-orca.lock env QT_QPA_PLATFORM=offscreen \
    ctest --test-dir build-asan --output-on-failure -j "$lavori" -E '^lettore_orca_tavola_piena$'
  # Debian 12 tries what Debian 13 has as well, in a chroot it makes now from its own archive.
  if [ "$(. /etc/os-release && echo "$VERSION_CODENAME")" = bookworm ]; then
    echo "== Debian 13: the same set-up, build and tests in a fresh Debian 13 chroot (at ${SECONDS}s)"
    $sudo tools/chroot-build.sh test trixie
  fi
  ;;
*)
  echo "usage: $0 [run|test]" >&2
  exit 2
  ;;
esac
