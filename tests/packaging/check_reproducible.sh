#!/usr/bin/env bash
# Builds the Debian package twice from the same source, in two folders of different names
# whose files carry different times, with one SOURCE_DATE_EPOCH, and checks that the two
# packages are the same bytes. Only the package's own targets are built (no tests, no bench).
# Usage: check_reproducible.sh SOURCE_DIR WORK_DIR
set -euo pipefail

source=$1
work=$2
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The source as git sees it (tracked and new files, nothing ignored such as build folders).
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct)}
mkdir -p "$work"
# Compiled afresh both times: a compiler cache would hand the second build the first one's
# objects and hide what the compiler makes differently.
debs=()
for tree in "$work/a" "$work/second-tree"; do
  rm -rf "$tree"
  mkdir -p "$tree"
  git -C "$source" ls-files -z -co --exclude-standard | (cd "$source" && xargs -0 cp --parents -t "$tree")
  [ "$tree" = "$work/a" ] || find "$tree" -exec touch -h -d '2001-02-03 04:05:06' {} +
  (cd "$tree" &&
    env -u CMAKE_CXX_COMPILER_LAUNCHER cmake --preset release \
      -DLOTTO_BUILD_TESTS=OFF -DLOTTO_BUILD_BENCH=OFF &&
    cmake --build --preset release --parallel 2 &&
    cd build && cpack -G DEB) >"$tree.log" 2>&1 || fail "$tree did not build: $(tail -20 "$tree.log")"
  debs+=("$(ls "$tree"/build/lottoworla_*.deb)")
done

sha256sum "${debs[@]}"
if ! cmp -s "${debs[0]}" "${debs[1]}"; then
  command -v diffoscope >/dev/null && diffoscope "${debs[@]}" | head -60 >&2
  fail "two builds of one source gave different packages"
fi
