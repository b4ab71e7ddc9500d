#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each over a copy of its seed corpus for SECONDS (default 20). Any finding fails
# the run; its input is kept in build-fuzz/findings/ to become a regression input.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
targets=(number_reader format_fixed wear_calculation calculation_run axis_arithmetic experiment_reader)

bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

findings="$PWD/build-fuzz/findings"
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for target in "${targets[@]}"; do
    # A copy, so that the inputs the run adds stay out of the repository.
    cp -r "tests/fuzz/corpus/$target" "$work/$target"
    log="$work/$target.log"
    if build-fuzz/tests/fuzz/kvr_fuzz_$target -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix="$findings/$target-" "$work/$target" >"$log" 2>&1; then
        echo "$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log")"
    else
        echo "$target: FINDING"
        grep -v '^#[0-9]' "$log" | tail -40
        status=1
    fi
done
exit "$status"
