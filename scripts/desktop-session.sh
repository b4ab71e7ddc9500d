#!/usr/bin/env bash
# Runs a command in a desktop session of its own: a D-Bus session bus, the AT-SPI
# accessibility bus switched on as a screen reader switches it (org.a11y.Status), and an X
# server (Xvfb) or a headless Wayland compositor (weston). The command finds DISPLAY or
# WAYLAND_DISPLAY and QT_QPA_PLATFORM set. A bus, server or compositor that cannot start
# ends the session with a message that says which; the session's status is the command's.
# Usage: desktop-session.sh x11|wayland COMMAND [ARGUMENT...]
set -euo pipefail
mode=${1:?usage: desktop-session.sh x11|wayland COMMAND [ARGUMENT...]}
shift
fail() {
    echo "desktop-session.sh: $*" >&2
    exit 1
}
for tool in dbus-run-session dbus-send Xvfb weston /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || fail "$tool is missing (bash scripts/install-deps.sh)"
done
# The session bus lives as long as this script's second run inside it. The services it
# starts put their sockets in the runtime folder: one of its own keeps sessions apart.
[[ -n ${KVR_SESSION_BUS:-} ]] ||
    exec env KVR_SESSION_BUS=1 XDG_RUNTIME_DIR="$(mktemp -d)" dbus-run-session -- bash "$0" "$mode" "$@"
unset KVR_SESSION_BUS DISPLAY WAYLAND_DISPLAY

work=$XDG_RUNTIME_DIR
server=
stop() {
    if [[ -n $server ]]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap stop EXIT
ready() {
    for _ in $(seq 100); do
        eval "$1" && return 0
        kill -0 "$server" 2>/dev/null || break
        sleep 0.1
    done
    fail "$2 did not start: $(cat "$work/server.log")"
}

case $mode in
x11)
    Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$work/display" \
        >"$work/server.log" 2>&1 &
    server=$!
    ready '[[ -s $work/display ]]' "the X server (Xvfb)"
    export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
    ;;
wayland)
    weston --backend=headless-backend.so --socket=wayland-kvr --idle-time=0 \
        >"$work/server.log" 2>&1 &
    server=$!
    ready '[[ -S $XDG_RUNTIME_DIR/wayland-kvr ]]' "the Wayland compositor (weston)"
    export WAYLAND_DISPLAY=wayland-kvr QT_QPA_PLATFORM=wayland
    ;;
*) fail "x11 or wayland, not '$mode'" ;;
esac

# Asking the session bus for the accessibility bus starts it, as a screen reader does.
a11y=(dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus)
for property in IsEnabled ScreenReaderEnabled; do
    "${a11y[@]}" org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
        "string:$property" variant:boolean:true >/dev/null 2>"$work/bus.log" ||
        fail "the AT-SPI bus did not start: $(cat "$work/bus.log")"
done
"${a11y[@]}" org.a11y.Bus.GetAddress 2>>"$work/bus.log" | grep -q 'unix:' ||
    fail "the AT-SPI bus has no address: $(cat "$work/bus.log")"

status=0
"$@" || status=$?
exit "$status"
