#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh wrote: the ecosystem's validators on
# its desktop entry, AppStream data and the package itself, its dependencies, and its
# program started from the package's own files, unpacked into a scratch root.
set -euo pipefail
cd "$(dirname "$0")/.."

deb=$(ls -t build-package/kvr_*_"$(dpkg --print-architecture)".deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
echo "Checking $deb"

passed=0
failed=0
check() {
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "ok: $name"
    else
        failed=$((failed + 1))
        echo "FAILED: $name"
    fi
}

depends_on() { dpkg-deb --field "$deb" Depends | grep -Eq "(^|, )$1( |,|$)"; }

# The menu entry's icon in every size the package ships; lintian compares the sizes.
has_icons() {
    local icon file
    icon=$(sed -n 's/^Icon=//p' "$root"/usr/share/applications/*.desktop)
    for file in scalable/apps/"$icon".svg 48x48/apps/"$icon".png 256x256/apps/"$icon".png; do
        [[ -f "$root/usr/share/icons/hicolor/$file" ]] || return 1
    done
}

# The experiment file type: shared-mime-info takes the package's definition and maps *.kvr
# to the type that the desktop entry opens.
knows_experiment_files() {
    local mime=$root/mime-check
    mkdir -p "$mime/packages" && cp "$root"/usr/share/mime/packages/*.xml "$mime/packages/" &&
        update-mime-database "$mime" && grep -qx 'application/x-kvr-experiment:\*\.kvr' "$mime/globs" &&
        grep -qx 'MimeType=application/x-kvr-experiment;' "$root"/usr/share/applications/*.desktop &&
        grep -qx 'Exec=kvr %f' "$root"/usr/share/applications/*.desktop
}

# Started without a file, the program ends only when its main window is closed, so it
# counts as started when it is still running after a few seconds; timeout then ends it.
starts_offscreen() {
    local status=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/kvr" || status=$?
    ((status == 124))
}

check "desktop entry" desktop-file-validate "$root"/usr/share/applications/*.desktop
check "AppStream data" appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
check "AppStream data with its desktop entry" appstreamcli validate-tree --no-net "$root"
check "icons of the desktop entry" has_icons
check "experiment file type" knows_experiment_files
check "lintian" lintian --fail-on error "$deb"
check "depends on the Qt widgets library" depends_on libqt6widgets6
check "depends on the windows' font" depends_on fonts-liberation
check "depends on Qt's own translations" depends_on qt6-translations-l10n
check "starts from the unpacked package" starts_offscreen

echo "package: $passed passed, $failed failed"
((failed == 0))
