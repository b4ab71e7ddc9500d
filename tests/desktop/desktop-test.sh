#!/usr/bin/env bash
# Runs the application on an X server of its own under the openbox window manager, opens
# all five windows as a student would, and checks what the window manager sees: the
# titles, the fixed sizes under resizing and maximising, and the main window's outer frame.
# A missing tool or an X server that cannot start fails the test; it is never skipped.
# Usage: desktop-test.sh <application binary> <screenshot to write>
set -Eeuo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

app=${1:?usage: desktop-test.sh <application binary> <screenshot>}
screenshot=${2:?usage: desktop-test.sh <application binary> <screenshot>}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in Xvfb openbox xprop xsetroot xwininfo xdotool wmctrl import convert; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (bash scripts/install-deps.sh)"
done

work=$(mktemp -d)
started=()
app_pid=

# Stops what this script started, newest first, each by its own process id.
stop_started() {
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        kill "${started[i]}" 2>/dev/null || true
        wait "${started[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap stop_started EXIT

# The X server picks a free display number itself and writes it to descriptor 3 once ready.
# Without -noreset it resets whenever its last client leaves, refusing the next one meanwhile.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
started+=($!)
for _ in $(seq 100); do
    [[ -s $work/display ]] || ! kill -0 "${started[0]}" 2>/dev/null && break
    sleep 0.1
done
[[ -s $work/display ]] || fail "the X server (Xvfb) did not start: $(cat "$work/xvfb.log")"
display=$(head -n 1 "$work/display")
export DISPLAY=":$display"
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTED >/dev/null 2>&1 && break
    sleep 0.1
done
xprop -root _NET_SUPPORTED >/dev/null ||
    fail "the X server (Xvfb) on $DISPLAY does not answer: $(cat "$work/xvfb.log")"
# The tools print window titles as UTF-8; the application gets its own locale below.
export LC_ALL=C.UTF-8

wm_running() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *'window id'* ]]; }
openbox --sm-disable >"$work/openbox.log" 2>&1 &
started+=($!)
for _ in $(seq 100); do
    wm_running && break
    sleep 0.1
done
wm_running ||
    fail "the window manager (openbox) did not start on $DISPLAY: $(cat "$work/openbox.log")
X server: $(cat "$work/xvfb.log")"
xsetroot -solid '#3a6ea5'

LC_ALL='' QT_QPA_PLATFORM=xcb "$app" >"$work/app.log" 2>&1 &
app_pid=$!
started+=("$app_pid")

# The windows the window manager manages, and the title it shows for one of them.
managed() { xprop -root -notype _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*' || true; }
title_of() {
    { xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null || true; } |
        sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p' | sed 's/\\\(.\)/\1/g'
}
all_titles() { for id in $(managed); do title_of "$id"; done; }

# Waits until a window titled exactly $1 (other than window $3) is managed, trying $2
# times, and prints its id.
window_titled() {
    for _ in $(seq "${2:-150}"); do
        for id in $(managed); do
            [[ $id != "${3:-}" && $(title_of "$id") == "$1" ]] && echo "$id" && return 0
        done
        kill -0 "$app_pid" 2>/dev/null || fail "the application ended: $(cat "$work/app.log")"
        sleep 0.1
    done
    return 1
}
need_window() {
    window_titled "$1" || fail "no window titled '$1'; the window manager shows: $(all_titles)"
}

# Raises a window and clicks a point of its client area. While it waits, xdotool may
# complain once that the active window could not be read; it retries, so that is dropped.
click() {
    xdotool windowactivate --sync "$1" 2>/dev/null
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Clicks the given points (window, x, y, ...) in turn until the window titled $1 is managed,
# as a student clicks again when a slow machine seems to have missed a click, and prints
# that window's id. Every click on the way may be repeated without harm.
click_until_shown() {
    local title=$1
    shift
    for _ in $(seq 10); do
        for ((k = 1; k < $#; k += 3)); do
            click "${@:k:3}"
        done
        window_titled "$title" 20 && return 0
    done
    fail "clicking $* never showed '$title'; the window manager shows: $(all_titles)"
}

# Presses Return in a window and waits until the window manager no longer manages it.
close_by_return() {
    xdotool windowactivate --sync "$1" 2>/dev/null key Return
    for _ in $(seq 50); do
        grep -qx "$1" <<<"$(managed)" || return 0
        sleep 0.1
    done
    fail "$2 did not close on Return"
}

client_size() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
outer_size() {
    local extents
    extents=$(xprop -id "$1" -notype _NET_FRAME_EXTENTS | grep -o '[0-9]*, [0-9]*, [0-9]*, [0-9]*')
    IFS=', ' read -r left right top bottom <<<"$extents"
    IFS=x read -r width height <<<"$(client_size "$1")"
    echo "$((width + left + right))x$((height + top + bottom))"
}

src=$(dirname "$0")/../..
source "$src/tests/desktop/window-titles.sh"
warning_title='Увага!'

# Client-area centres of the controls, from the window layouts.
main=$(need_window "$main_title")
calculate=("$main" 352 360)
click "$main" 124 366 # the name box
xdotool type --delay 20 Student
results=$(click_until_shown "$results_title" "${calculate[@]}" "$main" 484 360)
determine=("$results" 628 90)
graphs=$(click_until_shown "$graphs_title" "${determine[@]}" "$main" 608 360)
help=$(click_until_shown "$help_title" "$main" 720 360)
# An allowable flank wear of 20 µm is below what the default measurements need.
click "$main" 216 290
xdotool key ctrl+a
xdotool type 20
warning=$(click_until_shown "$warning_title" "${calculate[@]}")

expected=$(printf '%s\n' "$main_title" "$results_title" "$graphs_title" "$help_title" \
    "$warning_title" | sort)
seen=$(all_titles | sort)
[[ $seen == "$expected" ]] || fail "window titles differ:
expected:
$expected
the window manager shows:
$seen"
echo "titles: five, as designed"
for id in "$main" "$results" "$graphs" "$help" "$warning"; do grep -q 'Icon (' <<<"$(xprop -id "$id" _NET_WM_ICON)" || fail "'$(title_of "$id")' has no icon"; done

[[ $(outer_size "$main") == 801x431 ]] || fail "main window frame is $(outer_size "$main"), not 801x431"

# The picture: every window up, stacked so that each title bar shows, the warning in front.
# While the warning is up the others take no focus, so they are raised without waiting.
for id in "$help" "$main" "$results" "$graphs" "$warning"; do
    wmctrl -i -a "$id"
    sleep 0.2
done
sleep 0.5
import -window root "$screenshot"
# The graphs' panel keeps the light grey the windows were designed on, whatever the theme.
panel=$(convert "$screenshot" -format '%[hex:p{36,230}]' info:)
[[ $panel == EFEFEF ]] || fail "the graphs' panel is #$panel, not the design's #EFEFEF"

close_by_return "$warning" "the warning window"

# Later running times of 0 leave a cutter's wear line undefined: the error box comes up,
# captioned with the application's title.
for y in 74 98; do # the second and third running times of cutter 1
    click "$main" 545 "$y"
    xdotool key ctrl+a
    xdotool type 0
done
click "${calculate[@]}"
error_box=$(window_titled "$main_title" 100 "$main") ||
    fail "no error box titled '$main_title'; the window manager shows: $(all_titles)"
close_by_return "$error_box" "the error box"
echo "error box: captioned '$main_title'"

# The window manager resizes, then maximises the three fixed windows. The main window's
# client area is whatever its frame leaves of 801x431.
declare -A design=([$main]=$(client_size "$main") [$results]=769x353 [$graphs]=1305x393)
check_sizes() {
    sleep 1
    for id in "$main" "$results" "$graphs"; do
        [[ $(client_size "$id") == "${design[$id]}" ]] ||
            fail "$1: '$(title_of "$id")' is $(client_size "$id"), not ${design[$id]}"
    done
    [[ $(outer_size "$main") == 801x431 ]] || fail "$1: main window frame is $(outer_size "$main")"
}
check_sizes "shown"
for id in "$main" "$results" "$graphs"; do wmctrl -i -r "$id" -e 0,-1,-1,600,300; done
check_sizes "resized by the window manager"
for id in "$main" "$results" "$graphs"; do xdotool windowsize "$id" 1000 600; done
check_sizes "resized on request"
for id in "$main" "$results" "$graphs"; do wmctrl -i -r "$id" -b add,maximized_vert,maximized_horz; done
check_sizes "maximised"
echo "sizes: kept under resizing and maximising; main window frame 801x431"

# Saves through the file dialog that Ctrl+S brings up in the main window, or opens with
# Ctrl+O, typing the path $3; waits for the dialog titled $2 and, when saving, the file.
through_dialog() {
    xdotool windowactivate --sync "$main" 2>/dev/null key "$1"
    local dialog
    dialog=$(need_window "$2")
    xdotool windowactivate --sync "$dialog" 2>/dev/null key ctrl+a type "$3"
    xdotool key Return
    for _ in $(seq 50); do [[ $1 != ctrl+s || -s $3 ]] && return 0; sleep 0.1; done
    fail "saving did not write $3: $(cat "$work/app.log")"
}
through_dialog ctrl+s 'Зберегти дослід' "$work/typed.kvr"

# Closing the main window ends the application with every other window open.
wmctrl -i -c "$main"
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "closing the main window did not end the application"
status=0
wait "$app_pid" || status=$?
((status == 0)) || fail "the application ended with status $status: $(cat "$work/app.log")"

# `kvr FILE` after the quit: the texts are back when saving them again writes the same file.
LC_ALL='' QT_QPA_PLATFORM=xcb "$app" "$work/typed.kvr" >"$work/app.log" 2>&1 &
app_pid=$!
started+=("$app_pid")
main=$(need_window "$main_title")
through_dialog ctrl+s 'Зберегти дослід' "$work/reopened.kvr"
grep -q '"name": "Student"' "$work/typed.kvr"
cmp "$work/typed.kvr" "$work/reopened.kvr"
# A bad file: its message, photographed, and afterwards the same texts.
echo '{"format": "kvr-experiment", "version": 2}' >"$work/newer.kvr"
through_dialog ctrl+o 'Відкрити дослід' "$work/newer.kvr"
message=$(window_titled "$main_title" 100 "$main") || fail "no message for a bad file: $(all_titles)"
sleep 0.5
import -window root "${screenshot%.png}-bad-file.png"
close_by_return "$message" "the bad file's message"
through_dialog ctrl+s 'Зберегти дослід' "$work/after-bad.kvr"
cmp "$work/typed.kvr" "$work/after-bad.kvr"
echo "experiment files: saved, reopened by kvr FILE, a bad file refused"
wmctrl -i -c "$main"
wait "$app_pid" || fail "the reopened application ended with status $?: $(cat "$work/app.log")"
echo "PASS"
