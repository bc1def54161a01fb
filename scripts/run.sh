#!/usr/bin/env bash
# Sets up a fresh Debian 12 or 13 machine, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel
exec ./build/src/lottoworla "$@"
