#!/usr/bin/env bash
# Renders the pictures in docs/ from the real program, on a virtual X server: the main
# window and a game panel (numbers drawn from luck words) as in the README, the main window
# on a screen at twice the resolution, and in French. BUILD_DIR names the build folder
# (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake --build "$build" --target lottoshot >/dev/null
shot() { xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "./$build/tools/lottoshot" "$@"; }
shot docs/screenshot-main.png
shot docs/screenshot-panel.png --panel 1 --generate --luck "four leaf clover"
QT_SCALE_FACTOR=2 shot docs/screenshot-main-scale2.png
shot docs/screenshot-main-fr.png --lang fr_CA
shot docs/screenshot-panel-fr.png --panel 1 --generate --lang fr_CA
