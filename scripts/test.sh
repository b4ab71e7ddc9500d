#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DKVR_SANITIZE=ON -DKVR_WERROR=ON -DKVR_TESTS=ON -DKVR_BENCH=ON
# Widget tests and their listing right after the build need no display.
export QT_QPA_PLATFORM=offscreen
cmake --build build-test
# A decimal-comma C library locale of the build's own, so that number reading is also
# tested where the process locale would write 0,25. Without it the locale tests cannot
# run, so failing to build it fails the test command.
mkdir -p build-test/locale
if ! localedef -i uk_UA -f UTF-8 build-test/locale/uk_UA.UTF-8; then
    echo "test.sh: could not build the uk_UA.UTF-8 locale the locale tests need" >&2
    exit 1
fi
export LOCPATH="$PWD/build-test/locale"

# The Debian package: built optimised in the tree of scripts/run.sh, then validated and
# started from its own files.
bash scripts/package.sh
bash scripts/check-package.sh

# Every run also fuzzes the number reader, FormatFixed, the calculation and the axis
# arithmetic for a fixed time each.
bash scripts/fuzz.sh 20

# The unit, widget and desktop tests last, so that their summary closes the output.
ctest --test-dir build-test --output-on-failure --timeout 600
