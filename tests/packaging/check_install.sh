#!/usr/bin/env bash
# Installs the build into a fresh folder and checks what a desktop needs from it: a valid
# menu entry, valid AppStream metainfo, the icon in every size, the browser helper in the
# program's private folder, and a program that answers
# --version and --help without any display and starts on the offscreen platform.
# Usage: check_install.sh BUILD_DIR APP_ID DESKTOP_POT ICON_SIZE...
set -euo pipefail

build=$1
app_id=$2
pot=$3
shift 3
sizes=("$@")

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop file at $desktop"
[ -f "$metainfo" ] || fail "no metainfo at $metainfo"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

# The menu entry, the metainfo and the icon all go by the same id.
grep -qx "Icon=$app_id" "$desktop" || fail "desktop file does not name the icon $app_id"
grep -qx "Exec=lottoworla" "$desktop" || fail "desktop file does not start lottoworla"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $app_id.desktop"

# A French session shows French texts, whichever French locale it runs; the catalogue they
# come from translates every text of the templates.
msgcmp "$(dirname "$0")/../../po/fr_CA.po" "$pot" || fail "po/fr_CA.po lacks texts of the menu entry or metainfo"
for locale in fr_CA fr; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$locale\]=." "$desktop" || fail "desktop file has no $key[$locale]"
  done
  grep -qx "Name\[$locale\]=Générateur Lotto Worla d'Orvek" "$desktop" || fail "desktop file's $locale name is wrong"
  # gettext 0.23 (Debian 13) writes the language as BCP 47 does (fr-CA), 0.21 as fr_CA.
  for element in name summary p; do
    grep -q "<$element xml:lang=\"\(${locale}\|${locale/_/-}\)\">" "$metainfo" ||
      fail "metainfo has no $locale <$element>"
  done
done

icons=$prefix/share/icons/hicolor
svg=$icons/scalable/apps/$app_id.svg
[ -f "$svg" ] || fail "no scalable icon"
grep -q '<svg' "$svg" || fail "scalable icon is not SVG"
for n in "${sizes[@]}"; do
  png=$icons/${n}x${n}/apps/$app_id.png
  [ -f "$png" ] || fail "no ${n}x${n} icon"
  file -b "$png" | grep -q "PNG image data, $n x $n," || fail "$png is not a $n x $n PNG: $(file -b "$png")"
done

bin=$prefix/bin/lottoworla
[ -x "$bin" ] || fail "no executable at $bin"

# The browser window's helper: in the program's private folder, not on the PATH, and the
# only binary that needs the web engine.
helper=$(find "$prefix" -name lottoworla-browser)
[ "$(wc -l <<<"$helper")" -eq 1 ] && [ -x "$helper" ] || fail "expected one executable lottoworla-browser: $helper"
[[ "$helper" == "$prefix"/lib*/lottoworla/lottoworla-browser ]] || fail "helper not in LIBDIR/lottoworla: $helper"
helper_needs=$(objdump -p "$helper" | grep NEEDED)
program_needs=$(objdump -p "$bin" | grep NEEDED)
grep -q "libQt6WebEngineWidgets" <<<"$helper_needs" || fail "the helper does not link the web engine"
! grep -E "WebEngine|Quick|libGL\." <<<"$program_needs" || fail "the program links the web engine or GL"
# Started by hand it says who starts it and ends at once.
status=0
"$helper" >/dev/null 2>"$prefix/helper.log" || status=$?
[ "$status" -eq 2 ] && grep -q "started by lottoworla" "$prefix/helper.log" ||
  fail "the helper started by hand ended with $status: $(cat "$prefix/helper.log")"

# No display of any kind: the information options must still answer.
nodisplay=(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY)
version=$("${nodisplay[@]}" "$bin" --version) || fail "--version exited with $?"
[ "$version" = "lottoworla $(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -1)" ] ||
  fail "--version printed '$version', not the version of the metainfo's latest release"
help=$("${nodisplay[@]}" "$bin" --help) || fail "--help exited with $?"
grep -q -- "--version" <<<"$help" || fail "--help does not mention --version: $help"
grep -q "^Usage: lottoworla" <<<"$help" || fail "--help has no usage line: $help"

# An ordinary start on the offscreen platform keeps running until it is stopped: 124 is
# timeout's exit status when it had to stop the program.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$bin" >/dev/null 2>"$prefix/start.log" || status=$?
[ "$status" -eq 124 ] || fail "the installed program ended with $status: $(cat "$prefix/start.log")"

echo "install check passed: $prefix"
