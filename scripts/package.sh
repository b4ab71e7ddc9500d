#!/usr/bin/env bash
# Installs what is missing, builds the application optimised (the tree of scripts/run.sh,
# without tests or benchmarks) and writes its Debian package to build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# Debian's own compiler and linker hardening flags, as a package built by Debian gets them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVR_TESTS=OFF -DKVR_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build-release
cpack --config build-release/CPackConfig.cmake -B build-package
