#!/usr/bin/env bash
# Runs the README's test command, unchanged, on a clean machine of another Debian release
# (default: trixie, Debian 13; forky is Debian testing): a minimal root made by debootstrap
# from the mirror this machine's apt already uses, a clean clone of the committed project
# with ../shared beside it, /proc, /dev, /dev/pts, /dev/shm and /sys bound in. On every way
# out (a failing test, the time limit, Ctrl-C) each process started in the root is ended and
# each mount undone before the root is removed. Prints the suite's summary and exits with its
# status.
#
#   bash scripts/test-in-debian.sh [RELEASE]
#   bash scripts/test-in-debian.sh --download-only [RELEASE]
#
# --download-only makes the base root and fetches every package the test command installs
# into the cache, and stops there: CI does that for the other releases while the machine's
# own run builds, so that their runs later install from the cache (still into a clean root).
# LOTTO_DEBIAN_CACHE (default /var/cache/lottoworla-debian) keeps the base root and the
# downloaded packages between runs; LOTTO_DEBIAN_TIMEOUT is the limit in seconds (3600).
# LOTTO_TEST_PRESETS and LOTTO_TEST_SKIP_LABELS are passed on to the test command.
set -euo pipefail

download_only=0
if [ "${1:-}" = --download-only ]; then
  download_only=1
  shift
fi
release=${1:-trixie}
top=$(cd "$(dirname "$0")/.." && pwd)
cache=${LOTTO_DEBIAN_CACHE:-/var/cache/lottoworla-debian}
limit=${LOTTO_DEBIAN_TIMEOUT:-3600}

if [ "$(id -u)" -ne 0 ]; then
  # debootstrap, chroot and mount need root.
  exec sudo --preserve-env=CI,LOTTO_DEBIAN_CACHE,LOTTO_DEBIAN_TIMEOUT,LOTTO_TEST_PRESETS,LOTTO_TEST_SKIP_LABELS \
    bash "$0" "$@"
fi
command -v debootstrap >/dev/null ||
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap

# The Debian mirror apt uses here: the first URI of a deb822 source or a one-line source
# that is not the security archive.
mirror() {
  local uri
  uri=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
    awk '/^URIs:/ {print $2}' | grep -v -e security -e '^$' | grep /debian | head -n 1) || true
  [ -n "$uri" ] || uri=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
    awk '$1 == "deb" {print $2}' | grep -v security | grep /debian | head -n 1) || true
  echo "${uri:-http://deb.debian.org/debian}"
}

mkdir -p "$cache/$release-archives/partial"
base=$cache/$release-base.tar
if [ ! -s "$base" ]; then
  fresh=$(mktemp -d /var/tmp/lotto-debootstrap.XXXXXX)
  echo "Making a minimal Debian $release root from $(mirror)"
  # A debootstrap older than the release has no script of its name; testing is made the
  # way unstable is.
  script=/usr/share/debootstrap/scripts/$release
  [ -e "$script" ] || script=/usr/share/debootstrap/scripts/sid
  debootstrap --variant=minbase "$release" "$fresh" "$(mirror)" "$script" >"$fresh.log" 2>&1 ||
    { tail -n 20 "$fresh.log"; rm -rf "$fresh" "$fresh.log"; exit 1; }
  if [ "$script" != "/usr/share/debootstrap/scripts/$release" ]; then
    # A mirror that is a snapshot serves testing's index past its Valid-Until date; apt in
    # this root accepts that for this one suite (stable releases carry no such date).
    sed -i 's/^deb \(http\)/deb [check-valid-until=no] \1/' "$fresh/etc/apt/sources.list"
  fi
  tar -C "$fresh" -cf "$base.part" . && mv "$base.part" "$base"
  rm -rf "$fresh" "$fresh.log"
fi

root=$(mktemp -d "/var/tmp/lotto-$release.XXXXXX")
mounted=()
cleanup() {
  local status=$? pid left
  trap - EXIT INT TERM
  # Every process whose root is ours: a test's server, a window manager, a stuck build.
  for sig in TERM KILL; do
    left=0
    for pid in /proc/[0-9]*; do
      [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] || continue
      kill "-$sig" "${pid#/proc/}" 2>/dev/null && left=1
    done
    ((left)) || break
    sleep 2
  done
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}"
  done
  if grep -q " $root/" /proc/mounts; then
    echo "left $root in place: something is still mounted in it" >&2
  else
    rm -rf "$root"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

tar -C "$root" -xf "$base"
# The root folder as on a machine: the tarball gives it the mode of the folder debootstrap
# filled (mktemp's 700), and then no user but root could reach anything in it (apt's
# downloader, the print service's helpers running as lp).
chmod 755 "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# No service a package brings (the print queue, the session bus) starts by itself in there:
# the tests start what they need.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

bind() {
  mkdir -p "$root$2"
  mount "${@:3}" "$1" "$root$2"
  mounted+=("$root$2")
}
bind proc /proc -t proc
bind /sys /sys --bind
bind /dev /dev --bind
bind /dev/pts /dev/pts --bind
bind /dev/shm /dev/shm --bind
bind "$cache/$release-archives" /var/cache/apt/archives --bind

inside() {
  chroot "$root" /usr/bin/env -i \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 CI="${CI:-}" "$@"
}

if ((download_only)); then
  echo 'APT::Get::Download-Only "true";' >"$root/etc/apt/apt.conf.d/99download-only"
  cp "$top/scripts/setup.sh" "$root/setup.sh"
  inside bash /setup.sh test >/dev/null
  echo "Debian $release: base root and $(ls "$cache/$release-archives" | grep -c '\.deb$') packages cached"
  exit 0
fi

git clone -q --no-hardlinks "$top" "$root/work/main"
if [ -d "$top/../shared" ]; then
  cp -r "$top/../shared" "$root/work/shared"
fi

log=$root/work/test.log
echo "Running the test command in Debian $release ($(. "$root/etc/os-release" && echo "$PRETTY_NAME"))"
set +e
timeout --kill-after=30 "$limit" chroot "$root" /usr/bin/env -i \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
  LANG=C.UTF-8 CI="${CI:-}" ${LOTTO_TEST_PRESETS:+LOTTO_TEST_PRESETS="$LOTTO_TEST_PRESETS"} \
  ${LOTTO_TEST_SKIP_LABELS:+LOTTO_TEST_SKIP_LABELS="$LOTTO_TEST_SKIP_LABELS"} \
  bash -c 'cd /work/main && bash scripts/test.sh' 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
set -e
((status != 124)) || echo "Debian $release: the test command ran out of its $limit s"
echo "Debian $release summary:"
grep -E '^([0-9]+% tests passed|Total Test time|The following tests FAILED)|^\s+[0-9]+ - ' "$log" || true
echo "Debian $release: the test command exited with $status"
exit "$status"
