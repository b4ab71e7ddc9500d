#!/usr/bin/env bash
# Runs the application with the accessibility switched on as a screen reader switches it
# (org.a11y.Status), on a D-Bus session and AT-SPI bus of its own, on Xvfb (x11) or on a
# headless weston (wayland), and walks the typical run through the bus alone. On Wayland
# it then checks the protocol log: titles, fixed sizes and the application id. A bus,
# server or compositor that cannot start fails the test; it is never skipped.
# Usage: a11y-test.sh x11|wayland <application binary> <source dir>
set -Eeuo pipefail
mode=$1 app=$2 src=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher Xvfb weston; do
    command -v "$tool" >/dev/null || fail "$tool is missing (bash scripts/install-deps.sh)"
done
/usr/bin/python3 -c 'import pyatspi' || fail "python3-pyatspi is missing (bash scripts/install-deps.sh)"
[[ -n ${KVR_OWN_BUS:-} ]] || exec env KVR_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"

work=$(mktemp -d) started=()
trap 'for p in "${started[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
until_true() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; fail "$2"; }
unset DISPLAY WAYLAND_DISPLAY
if [[ $mode == x11 ]]; then
    Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/server.log" 2>&1 &
    started+=($!)
    until_true '[[ -s $work/display ]]' "Xvfb did not start: $(cat "$work/server.log")"
    export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
else
    export XDG_RUNTIME_DIR=$work/run && mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=headless-backend.so --socket=kvr --idle-time=0 >"$work/server.log" 2>&1 &
    started+=($!)
    until_true '[[ -S $XDG_RUNTIME_DIR/kvr ]]' "weston did not start: $(cat "$work/server.log")"
    export WAYLAND_DISPLAY=kvr QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1
fi

a11y=(dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus)
for property in IsEnabled ScreenReaderEnabled; do
    "${a11y[@]}" org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
        "string:$property" variant:boolean:true >/dev/null 2>"$work/bus.log" ||
        fail "the AT-SPI bus did not start: $(cat "$work/bus.log")"
done
"${a11y[@]}" org.a11y.Bus.GetAddress 2>>"$work/bus.log" | grep -q 'unix:' ||
    fail "the AT-SPI bus has no address: $(cat "$work/bus.log")"

"$app" >"$work/app.log" 2>&1 &
started+=($!)
/usr/bin/python3 "$(dirname "$0")/a11y-walkthrough.py" "$src" ||
    fail "the walkthrough failed; the application said: $(grep -v '^\[' "$work/app.log" | tail -20)"
[[ $mode == x11 ]] && exit 0

# The protocol log: one request per line, strings quoted as sent.
log=$work/app.log
for title in 'Kelvora "KVR"' 'Kelvora "KVR". Результати розрахунків' \
    'Kelvora "KVR". Графіки залежностей' 'Kelvora "KVR". Допомога' 'Увага!'; do
    grep -qF "set_title(\"$title\")" "$log" || fail "no xdg_toplevel.set_title(\"$title\")"
done
grep -q 'set_app_id("ua.kelvora.kvr")' "$log" || fail 'no set_app_id("ua.kelvora.kvr")'
# Per toplevel: its title, the last minimum and maximum size it asked for and the last
# window geometry (frame included) of its surface.
sizes=$(awk '/-> xdg_/ { a = $0; sub(/.*-> /, "", a); split(a, w, /[@.(]/); id = w[2]; sub(/^[^(]*\(/, "", a); sub(/\)$/, "", a) }
    /get_toplevel\(/ { sub(/.*xdg_toplevel@/, "", a); top[id] = a }
    /xdg_toplevel@.*set_title\(/ { title[id] = a }
    /xdg_toplevel@.*set_min_size\(/ { low[id] = a }
    /xdg_toplevel@.*set_max_size\(/ { high[id] = a }
    /xdg_surface@.*set_window_geometry\(/ { frame[top[id]] = a }
    END { for (t in title) print title[t] "|" low[t] "|" high[t] "|" frame[t] }' "$log")
for expected in '"Kelvora "KVR". Результати розрахунків"|769, 353' '"Kelvora "KVR". Графіки залежностей"|1305, 393'; do
    grep -qF "${expected}|${expected#*|}|" <<<"$sizes" || fail "sizes differ from '$expected': $sizes"
done
# The main window's design size is its outer one: the frame the toolkit draws is inside it.
grep -qE '^"Kelvora "KVR""\|([0-9]+, [0-9]+)\|\1\|0, 0, 801, 431$' <<<"$sizes" ||
    fail "the main window is not fixed at 801 x 431 outside: $sizes"
echo "PASS: titles, fixed sizes and the application id on Wayland"
