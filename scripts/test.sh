#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program and runs every test: the "ci"
# preset (warnings are errors), then the whole suite again under the "asan" preset.
# The presets (CMakePresets.json) are the one place the build and test settings live.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# Tests run without a display, with a private runtime folder.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

cmake --preset ci
cmake --build --preset ci --parallel
ctest --preset ci

# Built with AddressSanitizer and UndefinedBehaviorSanitizer: any report stops the test that
# made it. Known reports inside system libraries are listed in tests/sanitizers (nothing of
# ours is ever suppressed); the options are in the "asan" test preset.
cmake --preset asan
cmake --build --preset asan --parallel
ctest --preset asan
