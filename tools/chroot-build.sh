#!/usr/bin/env bash
# Builds and tests in chroots made here and now from Debian's archive, the one this
# machine's apt uses (root only):
#   tools/chroot-build.sh clean DSC OUTDIR [dpkg-buildpackage arguments...]
#     builds the source package DSC as a distribution's build daemon does: in a minimal
#     chroot of this machine's release holding build-essential and the package's
#     Build-Depends alone, its tests included; what it builds goes to OUTDIR. A missing
#     build dependency fails the build.
#   tools/chroot-build.sh test RELEASE
#     installs what ./galbirola.sh installs into a fresh chroot of RELEASE and runs
#     ./galbirola.sh test in it on a copy of this tree, the sanitizers' half left to the
#     machine's own release.
# The downloaded packages are kept in /var/cache/galbirola-ci (never the chroots).
set -euo pipefail
qui=$PWD
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || {
  echo "chroot-build.sh makes chroots: it needs root" >&2
  exit 1
}

# Debian's archive as this machine's apt sources name it, and a release's suites in it.
archivio=$(grep -hoE '(https?|file)://[^ ]*/debian/?( |$)' /etc/apt/sources.list \
  /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
  head -1 | tr -d ' ' || true)
archivio=${archivio:-http://deb.debian.org/debian}
archivio=${archivio%/}
fonti() { # release
  echo "deb $archivio $1 main"
  echo "deb $archivio $1-updates main"
  echo "deb ${archivio}-security $1-security main"
}

# mmdebstrap with the release's archive and the download cache; the chroot goes to $2
# (/dev/null: it lives only while the hooks run).
crea() { # release target mmdebstrap-arguments...
  local rilascio=$1 dove=$2 cache=/var/cache/galbirola-ci/$1
  shift 2
  mkdir -p "$cache"
  local righe
  mapfile -t righe < <(fonti "$rilascio")
  mmdebstrap --mode=root --skip=essential/unlink --aptopt='Acquire::Retries "3"' \
    --setup-hook='mkdir -p "$1/var/cache/apt/archives"' \
    --setup-hook="sync-in $cache /var/cache/apt/archives/" \
    "$@" \
    --customize-hook="sync-out /var/cache/apt/archives $cache" \
    "$rilascio" "$dove" "${righe[@]}"
}

modo=${1:-}
case "$modo" in
clean)
  dsc=$(cd "$qui" && readlink -f "$2")
  uscita=$(cd "$qui" && mkdir -p "$3" && cd "$3" && pwd)
  shift 3
  rilascio=$(. /etc/os-release && echo "$VERSION_CODENAME")
  sorgenti=("$dsc")
  while read -r _ _ f; do sorgenti+=("$(dirname "$dsc")/$f"); done < <(
    sed -n '/^Files:/,/^[^ ]/p' "$dsc" | grep '^ ')
  passi=$(printf ' %q' "$@")
  lavori=$(nproc 2>/dev/null || echo 2)
  crea "$rilascio" /dev/null --variant=buildd \
    --customize-hook='mkdir -p "$1/build"' \
    --customize-hook="copy-in ${sorgenti[*]} /build" \
    --customize-hook='chroot "$1" sh -ec "cd /build && dpkg-source -x *.dsc sorgente >/dev/null
      DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q --no-install-recommends ./sorgente >/dev/null"' \
    --customize-hook="sync-out /var/cache/apt/archives /var/cache/galbirola-ci/$rilascio" \
    --customize-hook="chroot \"\$1\" sh -ec 'cd /build/sorgente && dpkg-buildpackage -us -uc -J$lavori$passi'" \
    --customize-hook='rm -rf "$1/build/sorgente"' \
    --customize-hook="sync-out /build $uscita"
  ;;
test)
  rilascio=${2:?usage: chroot-build.sh test RELEASE}
  radice=$(mktemp -d /var/tmp/galbirola-"$rilascio".XXXXXX)
  montati=()
  smonta() {
    local i
    for ((i = ${#montati[@]} - 1; i >= 0; i--)); do umount -l "${montati[i]}" 2>/dev/null || true; done
    rm -rf --one-file-system "$radice"
  }
  trap smonta EXIT
  trap 'exit 1' INT TERM HUP
  pacchetti=$(sed -n '/^pacchetti=(/,/^)/p' galbirola.sh | sed '1d;$d' | xargs | tr ' ' ',')
  echo "== a $rilascio chroot with the set-up script's packages (at ${SECONDS}s)"
  crea "$rilascio" "$radice" --variant=apt --include="git,ca-certificates,$pacchetti" >/dev/null
  for m in proc sys dev dev/pts dev/shm; do
    mount --bind "/$m" "$radice/$m"
    montati+=("$radice/$m")
  done
  # The real screen reader runs one session at a time on a machine, chroots included.
  touch /tmp/galbirola-orca.lock "$radice/tmp/galbirola-orca.lock"
  mount --bind /tmp/galbirola-orca.lock "$radice/tmp/galbirola-orca.lock"
  montati+=("$radice/tmp/galbirola-orca.lock")
  # The package check in there makes its own clean chroot from the same download cache.
  mkdir -p "$radice/var/cache/galbirola-ci"
  mount --bind /var/cache/galbirola-ci "$radice/var/cache/galbirola-ci"
  montati+=("$radice/var/cache/galbirola-ci")
  mkdir "$radice/src"
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar -c --null -T - | tar -x -C "$radice/src"
  echo "== ./galbirola.sh test in the $rilascio chroot (at ${SECONDS}s)"
  chroot "$radice" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    GALBIROLA_SANITIZER=no sh -ec \
    'cd /src && git init -q && git add -A && ./galbirola.sh test'
  echo "== the $rilascio chroot passed (${SECONDS}s)"
  ;;
*)
  echo "usage: $0 clean DSC OUTDIR [ARGS...] | test RELEASE" >&2
  exit 2
  ;;
esac
