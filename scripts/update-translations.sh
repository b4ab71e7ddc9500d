#!/usr/bin/env bash
# Brings translations/kvr_en.ts up to date with the sources' texts (lupdate of Qt 6; the
# lupdate on PATH is Qt 5's chooser). With --check it works on a copy instead and fails
# when the file is not current or any entry is unfinished, vanished or obsolete.
set -euo pipefail
cd "$(dirname "$0")/.."
ts=translations/kvr_en.ts
update() {
    /usr/lib/qt6/bin/lupdate -silent -locations none -source-language uk -target-language en \
        calc experiment report ui app -ts "$1"
}
if [[ ${1:-} != --check ]]; then
    update "$ts"
    exit
fi
copy=$(mktemp --suffix=.ts)
trap 'rm -f "$copy"' EXIT
cp "$ts" "$copy"
update "$copy"
if grep -nE 'type="(unfinished|vanished|obsolete)"' "$copy" | grep . ; then
    echo "FAIL: $ts has entries without a current translation (above)" >&2
    exit 1
fi
diff -u "$ts" "$copy" >&2 || { echo "FAIL: $ts is not what lupdate writes" >&2; exit 1; }
echo "PASS: every text has its English translation"
