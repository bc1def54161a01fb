#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and be tested, on Debian 12
# (bookworm) or Debian 13 (trixie). Safe to run again: only what is missing is installed.
# Works as root or with sudo.
set -euo pipefail

# The few names that differ between the releases, chosen here and nowhere else: the
# sanitizer runtime goes with the release's clang, and from Debian 13 on Qt's SVG icon
# engine (the tool bar's and the windows' icons) is a package of its own.
. /etc/os-release
case "${VERSION_CODENAME:-}" in
  bookworm) RELEASE_PACKAGES=(libclang-rt-14-dev) ;;
  *) RELEASE_PACKAGES=(libclang-rt-dev qt6-svg-plugins) ;;
esac

PACKAGES=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-webengine-dev qt6-translations-l10n libqt6svg6
  # run: fonts standing in for the faces the windows ask for, rendering without a GPU
  fonts-dejavu-core fonts-liberation2 fonts-dancingscript fonts-lobster libgl1-mesa-dri
  # tests: a real X server, a real print queue, PDF checks, desktop-file validators
  xvfb xauth cups printer-driver-cups-pdf poppler-utils imagemagick
  desktop-file-utils appstream dpkg-dev file
  # the menu entry's French texts, the package checker, the X11 identity check; the
  # reproducible-package check lists the source with git and explains a difference with
  # diffoscope
  gettext lintian python3-xlib git diffoscope-minimal
  # the browser benchmark on Xvfb: a window manager, and xcb to see windows mapped
  openbox libxcb1-dev
  # the real-desktop tests: window managers, a Wayland compositor, real input, the
  # window managers' view, a session bus and the screen-reader bus, a TLS certificate (KWin
  # draws no frame without its Breeze decoration)
  mutter kwin-x11 kwin-style-breeze weston qt6-wayland xdotool x11-utils wmctrl dbus-x11
  at-spi2-core python3-pyatspi openssl
  # the source format check, the sanitizer runtime
  clang-format clang "${RELEASE_PACKAGES[@]}"
)

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
