#!/usr/bin/env bash
# Installs what is missing, builds the application optimised (the tree of scripts/run.sh,
# without tests or benchmarks) and writes its Debian package to build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# Debian's own compiler and linker hardening flags, as a package built by Debian gets them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
KVR_PACKAGE_CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
KVR_PACKAGE_LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export KVR_PACKAGE_CXXFLAGS KVR_PACKAGE_LDFLAGS
cmake --preset package
cmake --build --preset package
cpack --config build-release/CPackConfig.cmake -B build-package
