#!/usr/bin/env bash
# The typical run through the accessibility bus alone, names against a fixed list; on
# Wayland also the protocol log. Usage: scripts/desktop-session.sh x11|wayland bash a11y-test.sh APP SRC
set -euo pipefail
app=$1 src=$2 log=$(mktemp)
fail() { echo "FAIL: $*" >&2; exit 1; }
a11y() { /usr/bin/python3 "$src/scripts/a11y.py" "$@" || fail "a11y.py $*: $(tail -3 "$log")"; }
# What each window must read, fixed: "window|role|name|", "sentence|subject|", "chart|description|".
names=$src/tests/desktop/spoken-names.txt
section() { sed -n "s/^$1|//p" "$names"; }
expect() { for _ in $(seq 50); do grep -qE "$2" <<<"$(a11y list "$1")" && return; sleep 0.2; done; fail "'$1' never reads '$2'"; }
WAYLAND_DEBUG=${WAYLAND_DISPLAY:+1} "$app" >"$log" 2>&1 &
trap "kill $! 2>/dev/null; rm -f '$log'" EXIT
source "$src/tests/desktop/window-titles.sh"
main=$main_title results=$results_title graphs=$graphs_title help=$help_title
controls='(text|combo box|push button)'
diff <(section main) <(a11y list "$main" | grep -E "^$controls\|") || fail "names over the bus (>) differ from the list (<)"
[[ $(section main | sort -u | wc -l) == 35 ]] || fail "two controls of the main window share a name"
a11y type "$main" "Прізвище та ініціали студента" "Шевченко Т. Г."
a11y press "$main" Розрахувати && a11y press "$main" "Результати розрахунків"
diff <(section results) <(a11y list "$results" | grep -E "^$controls\|") || fail "results window names differ"
a11y press "$results" "Визначити параметри"
expect "$results" '^label\|Розмірне зношування hр дорівнює 0[,.]110, помножене на V у степені 0[,.]701\|'
expect "$results" '^label\|Період стійкості Tр дорівнює 845, помножене на V у степені -1[,.]006\|'
section sentence | while IFS='|' read -r subject; do expect "$results" "^label\|$subject дорівнює [0-9]"; done
a11y press "$main" Графіки
diff <(section chart | cut -d'|' -f1 | sort) <(a11y list "$graphs" | cut -d'|' -f3 | grep . | sort) ||
    fail "chart descriptions differ"
a11y press "$main" Допомога && expect "$help" '^label\| {10}Програма призначена'
a11y type "$results" "$(section results | sed -n '1s/^text|\(.*\)|$/\1/p')" 100 && a11y press "$results" "Визначити параметри"
expect 'Увага!' '^label\|Значення довільного часу оброблення не повинно виходити\|' && a11y press 'Увага!' Добре
echo "PASS: five windows opened and read through the accessibility bus"
[[ -n ${WAYLAND_DISPLAY:-} ]] || exit 0
for title in "$main" "$results" "$graphs" "$help" 'Увага!'; do grep -qF "set_title(\"$title\")" "$log" || fail "no set_title(\"$title\")"; done
grep -q 'set_app_id("ua.kelvora.kvr")' "$log" || fail 'no set_app_id("ua.kelvora.kvr")'
# Every window asks for one size as its least and its most; the main window's is outer.
diff <(grep -o 'xdg_toplevel@[0-9]*.set_min_size(.*)' "$log") <(grep -o 'xdg_toplevel@[0-9]*.set_max_size(.*)' "$log" | sed s/max/min/) || fail "min and max sizes differ"
for size in 'min_size(769, 353)' 'min_size(1305, 393)' 'window_geometry(0, 0, 801, 431)'; do grep -qF "set_$size" "$log" || fail "no set_$size"; done
echo "PASS: titles, fixed sizes and the application id on Wayland"
