#!/usr/bin/env bash
# Drives the real game binary in a real X server with a sound server that has
# only a null sink: the window appears with its 402 x 402 client area, and the
# exit command ends the program after saving.
#   run.sh BINARY ASSETS_DIR
set -euo pipefail
binary=$1
assets=$2

work=$(mktemp -d /tmp/zv-e2e.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "end-to-end: $*" >&2; exit 1; }

# A display number nobody uses.
display=""
for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free display number"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"

mkdir -p "$work/pulse"
HOME=$work/pulse XDG_RUNTIME_DIR=$work/pulse pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --load="module-null-sink" \
    --load="module-native-protocol-unix socket=$work/pulse/socket auth-anonymous=1" \
    >"$work/pulse.log" 2>&1 &
pids+=($!)
export PULSE_SERVER=unix:$work/pulse/socket
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || fail "the sound server did not start"
export SDL_AUDIODRIVER=pulseaudio
export LSAN_OPTIONS="suppressions=$(dirname "$(realpath "$0")")/lsan.supp:print_suppressions=0"

mkdir -p "$work/game"
cp "$assets/bomb.wav" "$assets/Zrkvexo.hlp" "$work/game/"
(cd "$work/game" && exec "$binary") >"$work/game.log" 2>&1 &
game=$!
pids+=($game)

window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Zorvik Vexo$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    kill -0 "$game" 2>/dev/null || { cat "$work/game.log" >&2; fail "the game ended before its window appeared"; }
    sleep 0.1
done
[ -n "$window" ] || fail "no window named Zorvik Vexo"

# The window is the 402 x 402 client area with the menu bar above it.
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 402 ] || fail "window is $WIDTH wide, not 402"
menu=$((HEIGHT - 402))
[ "$menu" -ge 10 ] && [ "$menu" -le 40 ] || fail "window is $HEIGHT high: no 402-pixel client area below a menu bar"
echo "end-to-end: window $window is ${WIDTH}x${HEIGHT} (menu bar $menu)"

# The exit command: open the menu, go up to its last item, choose it.
xdotool mousemove --window "$window" 20 $((menu / 2)) click 1
sleep 0.3
xdotool key --clearmodifiers Up Return
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game" 2>/dev/null; then fail "the exit command did not end the game"; fi
wait "$game" || fail "the game ended with an error: $(cat "$work/game.log")"
[ -f "$work/game/userdata.dat" ] || fail "the exit command saved no userdata.dat"
size=$(stat -c %s "$work/game/userdata.dat")
[ "$size" -eq 1632 ] || fail "userdata.dat is $size bytes, not 1632"
echo "end-to-end: the exit command saved userdata.dat (1632 bytes) and ended the game"
echo "1 passed, 0 failed"
