#!/usr/bin/env bash
# Runs the screenshot tour ($1) and compares each picture with the one of the same name in
# $2, byte for byte.
set -euo pipefail
pictures=$(mktemp -d)
trap 'rm -rf "$pictures"' EXIT
"$1" "$pictures" >/dev/null
count=0
for picture in "$pictures"/*.png; do
    name=$(basename "$picture")
    cmp -s "$picture" "$2/$name" || { echo "FAIL: $name differs from $2/$name"; exit 1; }
    count=$((count + 1))
done
((count == 7)) || { echo "FAIL: the tour drew $count pictures, not 7"; exit 1; }
echo "PASS: $count pictures as in $2"
