# Common ground of the end-to-end scenarios. Each scenario is a user at work: it gets a
# private X server with a window manager, a fresh home and settings folder, the built
# program, and hands (xdotool), and reads what the program did from the files it saved, the
# clipboard and the window titles. A scenario that fails leaves a picture of the screen in
# $E2E_OUT.
#
# Environment: ZURNE (the executable), XSHOT (the screen picture tool), E2E_OUT (a folder).

set -euo pipefail

scenario=$(basename "$0" .sh)
: "${ZURNE:?the zurne executable}" "${XSHOT:?the xshot tool}"
E2E_OUT=${E2E_OUT:-$PWD/e2e-output}
mkdir -p "$E2E_OUT"

work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_STATE_HOME=$work/home/.local/state
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

pids=()
finish() {
    local status=$?
    if [ $status -ne 0 ]; then
        echo "FAILED: $scenario (screen saved as $E2E_OUT/$scenario.png)" >&2
        "$XSHOT" "$E2E_OUT/$scenario.png" 2>/dev/null || true
        [ -f "$work/zurne.log" ] && { echo "--- the program said:" >&2; tail -20 "$work/zurne.log" >&2; }
    fi
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
    exit $status
}
trap finish EXIT

fail() { echo "$scenario: $*" >&2; exit 1; }

# A display of our own: Xvfb names a free one on the descriptor it is given.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 display <&3 || fail "Xvfb did not start"
export DISPLAY=":$display"
# Xvfb names its display a moment before every client can connect there, and a window
# manager that comes too early gives up: it is started again until it runs.
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 10); do
    openbox >"$work/openbox.log" 2>&1 &
    wm=$!
    for _ in $(seq 30); do wm_ready && break; kill -0 $wm 2>/dev/null || break; sleep 0.1; done
    wm_ready && break
    kill $wm 2>/dev/null || true
    sleep 0.5
done
pids+=($wm)
wm_ready || fail "the window manager did not start: $(cat "$work/openbox.log")"

# Starts the program with the given arguments and waits for its main window.
start_zurne() {
    "$ZURNE" "$@" >"$work/zurne.log" 2>&1 &
    zurne_pid=$!
    pids+=($zurne_pid)
    main_window=$(wait_window '^VEK Zurne')
    xdotool windowactivate --sync "$main_window" 2>/dev/null || true
}

# The id of the first visible window whose title matches the pattern, waited for.
wait_window() {
    local pattern=$1 id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window titled like '$pattern'"
}

# Waits until the active window's title is exactly the text given.
wait_title() {
    local expected=$1 title=""
    for _ in $(seq 300); do
        title=$(xdotool getactivewindow getwindowname 2>/dev/null) || true
        [ "$title" = "$expected" ] && return 0
        sleep 0.1
    done
    fail "title is '$title', expected '$expected'"
}

keys() { xdotool key --clearmodifiers --delay 80 "$@"; sleep 0.3; }
type_text() { xdotool type --clearmodifiers --delay 30 "$1"; sleep 0.3; }

# Types a path into the file dialog that has just opened, and confirms it.
answer_file_dialog() {
    wait_window "$1" >/dev/null
    sleep 0.5
    keys ctrl+a
    type_text "$2"
    keys Return
}

# The clipboard's text, as another program pasting it would get it.
clipboard() { xclip -o -selection clipboard; }

# Compares a file's bytes with the bytes printf makes of the format given.
expect_bytes() {
    local file=$1 format=$2
    for _ in $(seq 300); do [ -f "$file" ] && break; sleep 0.1; done
    cmp -s "$file" <(printf "$format") || {
        echo "--- $file:" >&2; od -c "$file" | head -20 >&2
        echo "--- expected:" >&2; printf "$format" | od -c | head -20 >&2
        fail "$file differs"
    }
}

expect_same_file() { cmp "$1" "$2" >&2 || fail "$1 and $2 differ"; }

# Waits for the program to end by itself.
wait_exit() {
    for _ in $(seq 300); do kill -0 "$zurne_pid" 2>/dev/null || return 0; sleep 0.1; done
    fail "the program is still running"
}
