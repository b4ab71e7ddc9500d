#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the application need, and only
# those that are missing (apt-get update runs once, before the first install).
set -euo pipefail

packages=(
    cmake ninja-build g++ clang-format pkg-config
    qt6-base-dev qt6-translations-l10n libjpeg62-turbo-dev qt6-tools-dev qt6-l10n-tools
    libcups2-dev libxlsxwriter-dev
    # The group's workbook, opened by the spreadsheet and read by openpyxl in the tests.
    libreoffice-calc-nogui python3-openpyxl
    libgtest-dev libgmock-dev libbenchmark-dev libqcustomplot-dev
    fonts-liberation fonts-dejavu-core locales
    xvfb openbox x11-utils x11-xserver-utils xdotool wmctrl imagemagick
    dpkg-dev file desktop-file-utils appstream lintian shared-mime-info
    poppler-utils
    # The group check's "Відкрити": which program opens a workbook, asked as the desktop asks.
    xdg-utils
    # The command line's tests: a terminal for the progress, and the file writer's fsync seen.
    bsdutils strace
    # The printing test: a print server of its own with a cups-pdf queue.
    printer-driver-cups-pdf
)
# The screen reader walkthrough and the Wayland test: a session bus, the AT-SPI bus and its
# Python client, a headless compositor and Qt's Wayland platform.
packages+=(dbus-x11 at-spi2-core python3-pyatspi weston qt6-wayland)
# A dark GTK desktop, which the windows must not follow: Qt's GTK platform theme.
packages+=(qt6-gtk-platformtheme)
# The fuzz targets: clang with libFuzzer and the sanitizer runtimes.
packages+=(clang libclang-rt-14-dev)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
