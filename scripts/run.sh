#!/usr/bin/env bash
# Installs what is missing, builds the application optimised and starts it. Without a
# display it says so and runs the screenshot tour instead, writing PNGs to screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec build-release/app/kvr
fi

echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set): the application's"
echo "windows cannot be shown here. Running the screenshot tour instead; its pictures of"
echo "every window along the typical run are written to $(pwd)/screenshots/."
QT_QPA_PLATFORM=offscreen build-release/app/kvr_tour screenshots
