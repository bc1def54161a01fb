#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks its control data and contents:
# Depends holds the run-time packages we list and the Qt libraries dpkg-shlibdeps finds,
# and the program, its browser helper, its menu entry, metainfo and icons are in it.
# Lintian, Debian's own package checker, finds no error and no warning in it.
# Usage: check_deb.sh BUILD_DIR APP_ID "ICON_SIZES" "RUNTIME_PACKAGES" "RECOMMENDED_PACKAGES"
set -euo pipefail

build=$1
app_id=$2
read -r -a sizes <<<"$3"
read -r -a runtime <<<"$4"
read -r -a recommended <<<"$5"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

(cd "$out" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out") >"$out/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$out/cpack.log")"
debs=("$out"/lottoworla_*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one lottoworla_*.deb in $out"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = lottoworla ] || fail "package name is not lottoworla"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
has_dep() { tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ *(.*//' | grep -qx "$1"; }
# Debian 13's Qt libraries carry the 64-bit time suffix (libqt6core6t64).
for p in "${runtime[@]}" libqt6core6 libqt6gui6 libqt6widgets6 libqt6webenginewidgets6; do
  has_dep "$p" || has_dep "${p}t64" || fail "Depends lacks $p"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for p in "${recommended[@]}"; do
  tr ',' '\n' <<<"$recommends" | sed 's/^ *//' | grep -qx "$p" || fail "Recommends lacks $p"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
has_file() { grep -qx "$1" <<<"$contents" || fail "package lacks $1"; }
has_file /usr/bin/lottoworla
grep -qx "/usr/lib/\(.*/\)\?lottoworla/lottoworla-browser" <<<"$contents" || fail "package lacks the browser helper"
has_file "/usr/share/applications/$app_id.desktop"
has_file "/usr/share/metainfo/$app_id.metainfo.xml"
has_file "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
has_file /usr/share/doc/lottoworla/copyright
has_file /usr/share/doc/lottoworla/changelog.gz
has_file /usr/share/man/man1/lottoworla.1.gz
for n in "${sizes[@]}"; do
  has_file "/usr/share/icons/hicolor/${n}x${n}/apps/$app_id.png"
done

# The packaged program is the real, stripped executable.
mkdir "$out/root"
dpkg-deb -x "$deb" "$out/root"
file -b "$out/root/usr/bin/lottoworla" | grep -q "ELF.*executable" || fail "/usr/bin/lottoworla is not an executable"
[ "$(env -u QT_QPA_PLATFORM -u DISPLAY "$out/root/usr/bin/lottoworla" --version)" = "lottoworla $(dpkg-deb -f "$deb" Version)" ] ||
  fail "packaged program's --version does not match the package version"

# Lintian warns when it runs as root, which CI does; that notice is no finding.
lintian --fail-on error,warning "$deb" >"$out/lintian.log" 2>&1 ||
  fail "lintian: $(grep -v 'running with root privileges' "$out/lintian.log")"
grep -v 'running with root privileges' "$out/lintian.log" || true

echo "package check passed: $deb"
