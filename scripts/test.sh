#!/usr/bin/env bash
# Sets up a fresh Debian 12, 13 or testing machine, builds the program and runs every test:
# the "ci" preset (warnings are errors), then the whole suite again under the "asan" preset.
# The presets (CMakePresets.json) are the one place the build and test settings live;
# LOTTO_TEST_PRESETS chooses some of them (default: "ci asan"); LOTTO_TEST_SKIP_LABELS leaves
# out the tests of a label (CI: "rebuild", the two checks that build the whole program again,
# on all releases but one).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test

# Tests run without a display, with a private runtime folder.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

# "asan": built with AddressSanitizer and UndefinedBehaviorSanitizer, any report stops the
# test that made it. Known reports inside system libraries are listed in tests/sanitizers
# (nothing of ours is ever suppressed); the options are in the "asan" test preset.
for preset in ${LOTTO_TEST_PRESETS:-ci asan}; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" --parallel
  ctest --preset "$preset" ${LOTTO_TEST_SKIP_LABELS:+-LE "$LOTTO_TEST_SKIP_LABELS"}
done
