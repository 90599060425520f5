#!/usr/bin/env bash
# Drives the real game binary in a real X server with a sound server that has
# only a null sink: the window appears with its 402 x 402 client area, a new
# player types a whole game, and the exit command saves and ends the program.
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

# A new player plays a whole game: the name, Enter, the intro, A to Z.
xdotool mousemove --window "$window" 230 $((menu + 304 + 10)) click 1
sleep 0.2
xdotool type --delay 30 'Taro'
xdotool key Return
sleep 1
for letter in a b c d e f g h i j k l m n o p q r s t u v w x y z; do
    xdotool key "$letter"
    sleep 0.05
done
sleep 1

# The exit command: open the menu, go up to its last item, choose it.
xdotool mousemove --window "$window" 20 $((menu / 2)) click 1
sleep 0.3
xdotool key --clearmodifiers Up Return
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game" 2>/dev/null; then fail "the exit command did not end the game"; fi
wait "$game" || fail "the game ended with an error: $(cat "$work/game.log")"

data=$work/game/userdata.dat
[ -f "$data" ] || fail "the game saved no userdata.dat"
size=$(stat -c %s "$data")
[ "$size" -eq 1632 ] || fail "userdata.dat is $size bytes, not 1632 (one player and the ranking)"
int32() { od -An -t d4 -j "$1" -N 4 "$data" | tr -d ' '; }
name=$(dd if="$data" bs=1 skip=4 count=5 2>/dev/null | od -An -c | tr -d ' ')
[ "$name" = 'Taro\0' ] || fail "the stored player is '$name', not Taro"
[ "$(int32 36)" -eq 1 ] || fail "the play count is $(int32 36), not 1"
run=$(( $(int32 144) - $(int32 44) ))
[ "$run" -gt 0 ] && [ "$run" -lt 250000 ] || fail "the stored best run is $run ms"
ranked=$(dd if="$data" bs=1 skip=152 count=4 2>/dev/null)
[ "$ranked" = "Taro" ] || fail "the run did not enter the ranking at place 1"
echo "end-to-end: Taro played a game of $run ms, saved as best run and first place; the exit command ended the game"
echo "1 passed, 0 failed"
