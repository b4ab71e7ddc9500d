#!/usr/bin/env bash
# Installs the chart package from the build tree, builds a program outside the tree against
# it and compares what the program draws with what it must.
set -euo pipefail
build=$1 work=$2 source=$3
rm -rf "$work"
cmake --install "$build" --component chart_development --prefix "$work/prefix" >/dev/null
test -f "$work/prefix/include/kvrchart/TChart.h"
test ! -e "$work/prefix/include/kvrchart/ChartCanvas.h"
cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build" >/dev/null
QT_QPA_PLATFORM=offscreen "$work/build/draw-chart" >"$work/drawn.txt"
diff -u "$source/expected.txt" "$work/drawn.txt"
