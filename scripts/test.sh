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
ctest --test-dir build-test --output-on-failure --timeout 600
