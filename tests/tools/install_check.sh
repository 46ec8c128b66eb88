#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the installed tools and data
# are where the program looks for them, run from an unrelated working directory.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
for file in bin/nemra bin/nemra-chart share/nemra/CityTown.dat share/nemra/atlas.sqlite share/nemra/fonts/Zodiglyph.ttf \
            share/applications/nemra.desktop share/icons/hicolor/scalable/apps/nemra.svg; do
  [ -f "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
cd /
out=$("$prefix/bin/nemra-chart" positions --natal '15/03/2484,9.30,105.00E,13.45N,100.30E')
[ "$(printf '%s\n' "$out" | wc -l)" -eq 24 ] || { echo "installed nemra-chart printed: $out"; exit 1; }
echo "1 passed, 0 failed"
