#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset test
# Widget tests and their listing right after the build need no display.
export QT_QPA_PLATFORM=offscreen
cmake --build --preset test

# The Debian package: built optimised in the tree of scripts/run.sh, then validated and
# started from its own files.
bash scripts/package.sh
bash scripts/check-package.sh

# Every run also fuzzes the number reader, FormatFixed, the calculation and the axis
# arithmetic for a fixed time each.
bash scripts/fuzz.sh 20

# The unit, widget and desktop tests last, so that their summary closes the output. CTest
# builds the decimal-comma locale the locale tests need itself.
ctest --preset test
