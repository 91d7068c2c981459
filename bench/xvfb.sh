# Sourced by the measuring scripts: a display of their own and a scratch folder, both gone on exit.
# Sets $scratch, DISPLAY and XDG_RUNTIME_DIR.
scratch=$(mktemp -d)
xvfb=
cleanup() {
    # The server must be gone before anything starts another on the display number it frees.
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the descriptor given only once it
# accepts connections: a number guessed from /tmp/.X11-unix can be taken by a server whose socket
# is not visible here, and a socket file appears before the server is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$scratch/display" ]; then
    echo "Xvfb did not start" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(tr -d '[:space:]' <"$scratch/display")"
# Qt's run-time folder of its own, as a desktop session gives it.
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"
