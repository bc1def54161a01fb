#!/usr/bin/env bash
# Sets up a fresh Debian 12, 13 or testing machine with what building and running the program
# need (no test tools), builds the program and its browser window's helper (the "program"
# preset: no tests, no benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake --preset program
cmake --build --preset program --parallel
exec ./build-program/src/lottoworla "$@"
