#!/usr/bin/env bash
# Installs the Debian packages the program needs, on Debian 12 (bookworm), Debian 13 (trixie)
# or Debian testing (forky). Safe to run again: only what is missing is installed. Works as
# root or with sudo.
#
#   bash scripts/setup.sh run     what building and running the program need (scripts/run.sh)
#   bash scripts/setup.sh test    that, and what the test suite adds (scripts/test.sh; default)
set -euo pipefail

set_name=${1:-test}
case "$set_name" in
  run | test) ;;
  *) echo "usage: bash scripts/setup.sh [run|test]" >&2; exit 2 ;;
esac

# The few names that differ between the releases, chosen here and nowhere else: from Debian 13
# on Qt's SVG icon engine (the tool bar's and the windows' icons) is a package of its own, and
# the sanitizer runtime goes with the release's clang.
. /etc/os-release
case "${VERSION_CODENAME:-}" in
  bookworm) RUN_RELEASE=() TEST_RELEASE=(libclang-rt-14-dev) ;;
  *) RUN_RELEASE=(qt6-svg-plugins) TEST_RELEASE=(libclang-rt-dev) ;;
esac

RUN_PACKAGES=(
  # build: the compiler, CMake and Qt; gettext merges the menu entry's French texts
  cmake ninja-build g++ pkg-config gettext
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-webengine-dev qt6-translations-l10n libqt6svg6 "${RUN_RELEASE[@]}"
  # run: fonts standing in for the faces the windows ask for, drawing without a GPU, the
  # Wayland platform plugin
  fonts-dejavu-core fonts-liberation2 fonts-dancingscript fonts-lobster libgl1-mesa-dri
  qt6-wayland
)

TEST_PACKAGES=(
  # a real X server, a real print queue, PDF checks, desktop-file validators
  xvfb xauth cups printer-driver-cups-pdf poppler-utils imagemagick
  desktop-file-utils appstream dpkg-dev file
  # the package checker, the X11 identity check; the reproducible-package check lists the
  # source with git and explains a difference with diffoscope
  lintian python3-xlib git diffoscope-minimal
  # the browser benchmark on Xvfb: a window manager, and xcb to see windows mapped
  openbox libxcb1-dev
  # the real-desktop tests: window managers (KWin on X11 and on Wayland, GNOME's mutter), a
  # Wayland compositor, real input, the window managers' view, a session bus and the
  # screen-reader bus, a TLS certificate (KWin draws no frame without its Breeze decoration)
  mutter kwin-x11 kwin-wayland kwin-style-breeze weston xdotool x11-utils wmctrl dbus-x11
  at-spi2-core python3-pyatspi openssl
  # the source format check, the sanitizer runtime
  clang-format clang "${TEST_RELEASE[@]}"
)

PACKAGES=("${RUN_PACKAGES[@]}")
if [ "$set_name" = test ]; then
  PACKAGES+=("${TEST_PACKAGES[@]}")
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  SUDO=()
  if [ "$(id -u)" -ne 0 ]; then
    SUDO=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
