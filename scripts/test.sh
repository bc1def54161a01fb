#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel

# Tests run without a display, with a private runtime folder.
export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

ctest --test-dir build --output-on-failure --timeout 600

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer: any
# report stops the test that made it. Known reports inside system libraries are listed in
# tests/sanitizers (nothing of ours is ever suppressed).
ROOT=$(pwd)
export ROOT
cmake --preset asan
cmake --build --preset asan --parallel
(
  # shellcheck source=../tests/sanitizers/sanitizers.env
  . tests/sanitizers/sanitizers.env
  ctest --test-dir build-asan --output-on-failure --timeout 1800
)
