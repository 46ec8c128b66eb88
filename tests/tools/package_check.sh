#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a temporary root and checks
# it there: its files and dependencies, nemra-chart run from the unpacked root, the desktop
# entry, the AppStream metadata, the manual page, and lintian. Skipped (77) without
# cpack, dpkg-deb and dpkg-shlibdeps; each further check runs when its tool is installed.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package: $*"; exit 1; }

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/out/nemra_*_amd64.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no nemra_VERSION_amd64.deb in $(ls "$work/out")"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libc6 libqt6widgets6 libswe2.0 swe-basic-data fonts-thai-tlwg qt6-qpa-plugins; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

root="$work/root"
dpkg -x "$deb" "$root"
for file in usr/bin/nemra usr/bin/nemra-chart usr/share/nemra/CityTown.dat usr/share/nemra/fonts/Zodiglyph.ttf \
            usr/share/applications/nemra.desktop usr/share/icons/hicolor/scalable/apps/nemra.svg \
            usr/share/doc/nemra/copyright usr/share/doc/nemra/changelog.gz; do
  [ -f "$root/$file" ] || fail "missing: $file"
done
metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml 2>/dev/null | head -1)
[ -n "$metainfo" ] || fail "missing: the AppStream metadata"
for licence in AGPL-3.0-or-later OFL-1.1 CC-BY-4.0; do
  grep -q "^License: $licence" "$root/usr/share/doc/nemra/copyright" || fail "copyright lacks $licence"
done

cd /
out=$("$root/usr/bin/nemra-chart" positions --natal '15/03/2484,9.30,105.00E,13.45N,100.30E')
[ "$(printf '%s\n' "$out" | wc -l)" -eq 24 ] || fail "nemra-chart from the package printed: $out"

if command -v help2man >/dev/null; then
  man=$root/usr/share/man/man1/nemra-chart.1.gz
  [ -f "$man" ] || fail "missing: the manual page of nemra-chart"
  # Every command the help lists is in the manual page.
  for command in $("$root/usr/bin/nemra-chart" --help | grep -o 'nemra-chart [a-z-]*' | cut -d' ' -f2 | sort -u); do
    zcat "$man" | sed 's/\\-/-/g' | grep -q -- "nemra-chart $command" || fail "the manual page lacks $command"
  done
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/nemra.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" || fail "AppStream metadata"
fi
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian reports errors"
fi
echo "1 passed, 0 failed"
