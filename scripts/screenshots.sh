#!/usr/bin/env bash
# Renders the pictures in docs/ from the real program, on a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target lottoshot >/dev/null
shot() { xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" ./build/tools/lottoshot "$@"; }
shot docs/screenshot-main.png
shot docs/screenshot-panel.png --panel 1 --generate
