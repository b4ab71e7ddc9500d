#!/usr/bin/env bash
# The typical run through the accessibility bus alone, names against a fixed list in the
# interface's language; on Wayland also the protocol log.
# Usage: scripts/desktop-session.sh x11|wayland bash a11y-test.sh APP SRC [NAMES]
set -euo pipefail
app=$1 src=$2 log=$(mktemp)
fail() { echo "FAIL: $*" >&2; exit 1; }
a11y() { /usr/bin/python3 "$src/scripts/a11y.py" "$@" || fail "a11y.py $*: $(tail -3 "$log")"; }
# What each window must read, fixed: the main window's every item "main|role|name|", a
# control of another "window|role|name|", "sentence|subject|", every chart "chart|name|values",
# and the titles, sentence words and messages the run meets.
names=${3:-$src/tests/desktop/spoken-names.txt}
section() { sed -n "s/^$1|//p" "$names"; }
one() { section "$1" | sed -n "${2:-1}s/|\$//p"; }
button() { section main | sed -n 's/^push button|\(.*\)|$/\1/p' | sed -n "$1p"; }
expect() { for _ in $(seq 50); do grep -qE "$2" <<<"$(a11y list "$1")" && return; sleep 0.2; done; fail "'$1' never reads '$2'"; }
WAYLAND_DEBUG=${WAYLAND_DISPLAY:+1} "$app" >"$log" 2>&1 &
trap "kill $! 2>/dev/null; rm -f '$log'" EXIT
main=$(sed -n 's/.*kApplicationTitle = "\(.*\)";$/\1/p' "$src/experiment/Titles.h" | sed 's/\\"/"/g')
results=$(one title 1 | cut -d'|' -f2) graphs=$(one title 2 | cut -d'|' -f2)
help=$(one title 3 | cut -d'|' -f2) warning=$(one title 4 | cut -d'|' -f2)
is=$(one is) times=$(one times)
controls='(text|combo box|push button)'
diff <(section main) <(a11y list "$main") || fail "the main window's items over the bus (>) differ from the list (<)"
[[ $(section main | grep -E "^$controls\|" | sort -u | wc -l) == 35 ]] || fail "two controls of the main window share a name"
a11y type "$main" "$(section main | sed -n 's/^text|\(.*\)|$/\1/p' | tail -1)" "Shevchenko T. H."
a11y press "$main" "$(button 1)" && a11y press "$main" "$(button 2)"
diff <(section results) <(a11y list "$results" | grep -E "^$controls\|") || fail "results window names differ"
press_determine() { a11y press "$results" "$(section results | sed -n 's/^push button|\(.*\)|$/\1/p')"; }
press_determine
expect "$results" "^label\|$(one formula 1)$is"'0[,.]110'"$times"'0[,.]701\|'
expect "$results" "^label\|$(one formula 2)$is"'845'"$times"'-1[,.]006\|'
section sentence | while IFS='|' read -r subject; do expect "$results" "^label\|$subject$is[0-9]"; done
a11y press "$main" "$(button 3)"
diff <(section chart) <(a11y list "$graphs" | sed 's/^chart|//') || fail "charts' names or values differ"
a11y press "$main" "$(button 4)" && expect "$help" "^label\|$(one help)"
a11y type "$results" "$(section results | sed -n 's/^text|\(.*\)|$/\1/p')" 100 && press_determine
expect "$warning" "^label\|$(one warning)" && a11y press "$warning" "$(one ok)"
# A red field says why in its description.
IFS='|' read -r field typed why <<<"$(one red)"
a11y type "$main" "$field" "$typed" && a11y press "$main" "$(button 1)"
expect "$main" "^text\|$field\|$why$"
echo "PASS: five windows opened and read through the accessibility bus"
[[ -n ${WAYLAND_DISPLAY:-} ]] || exit 0
for title in "$main" "$results" "$graphs" "$help" "$warning"; do grep -qF "set_title(\"$title\")" "$log" || fail "no set_title(\"$title\")"; done
grep -q 'set_app_id("ua.kelvora.kvr")' "$log" || fail 'no set_app_id("ua.kelvora.kvr")'
# Every window asks for one size as its least and its most; the main window's is outer.
diff <(grep -o 'xdg_toplevel@[0-9]*.set_min_size(.*)' "$log") <(grep -o 'xdg_toplevel@[0-9]*.set_max_size(.*)' "$log" | sed s/max/min/) || fail "min and max sizes differ"
for size in 'min_size(769, 353)' 'min_size(1305, 393)' 'window_geometry(0, 0, 801, 431)'; do grep -qF "set_$size" "$log" || fail "no set_$size"; done
echo "PASS: titles, fixed sizes and the application id on Wayland"
