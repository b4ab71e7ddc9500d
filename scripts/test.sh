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
# tested where the process locale would write 0,25.
mkdir -p build-test/locale
localedef -i uk_UA -f UTF-8 build-test/locale/uk_UA.UTF-8 2>/dev/null || true
export LOCPATH="$PWD/build-test/locale"
ctest --test-dir build-test --output-on-failure --timeout 600

# The Debian package: built optimised in the tree of scripts/run.sh, then validated and
# started from its own files.
bash scripts/package.sh
bash scripts/check-package.sh
