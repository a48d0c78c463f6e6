#!/usr/bin/env bash
# Photographs the real program under Xvfb for the README: the start-up face,
# the time face, a game-ready face, a game in play, full-screen mode, the popup
# menu and the in-game menu.
# Usage: scripts/screenshots.sh [build folder]   (default: <repo>/build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out="$root/docs"
bin="$build/bin"
[ -x "$bin/zorbanix" ] || { echo "no $bin/zorbanix: build the zorbanix target first" >&2; exit 1; }
mkdir -p "$out"

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb chooses a free display and tells us its number.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -br -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_CONFIG_HOME="$work/config"
export SDL_AUDIODRIVER=dummy

# Starts the program in its folder (or the one given second) with the given
# settings; no splash, no sound.
start() {
  mkdir -p "$XDG_CONFIG_HOME/Orvalle"
  printf '[General]\nSoundMode=2\nSplashScreen=0\nHiScore1=1250\nHiScore2=380\nFullscreenMode=%s\n' "$1" \
    >"$XDG_CONFIG_HOME/Orvalle/Zorbax50.conf"
  (cd "${2:-$bin}" && exec ./zorbanix) &
  app_pid=$!
  win=""
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --name 'Zorbanix' 2>/dev/null | head -1 || true)
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || { echo "the program's window did not appear" >&2; exit 1; }
  sleep 1
}

stop() {
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}

# The device window alone, cut from the screen at the window's place.
shoot_window() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1"
  echo "wrote docs/$1"
}

# A click on the face at window coordinates: press, hold, release.
click() {
  xdotool mousemove --window "$win" "$1" "$2" mousedown 1
  sleep 0.15
  xdotool mouseup 1
}

# A window of the given client size centred on the screen, as the program places it.
shoot_centred() {
  import -window root -crop "${1}x${2}+$(((1920 - $1) / 2))+$(((1080 - $2) / 2))" +repage "$out/$3"
  echo "wrote docs/$3"
}

# The about box (F1), the manual viewer (F4, one page on) and the key settings
# dialog (the popup menu's "Key settings") with game A's key changed to A.
start 0
xdotool key --window "$win" F1
sleep 0.6
shoot_centred 397 176 about_box.png
xdotool key Escape
sleep 0.3
xdotool key --window "$win" F4
sleep 0.6
xdotool key Right
sleep 0.4
shoot_centred 345 255 manual.png
xdotool key Escape
sleep 0.3
xdotool mousemove --window "$win" 330 70 click 3
sleep 1
xdotool key Down Down Down Down Down Down Return
sleep 1
xdotool key a
sleep 0.3
shoot_centred 448 195 key_settings.png
xdotool key Escape
stop

start 0
shoot_window startup_face.png
click 166 295                      # TIME: the start-up face gives way to the time
sleep 0.5
shoot_window time_face.png
click 306 295                      # GAME A: the ready face, then the start on release
sleep 0.6
shoot_window game_ready.png
sleep 3.6                          # the start tune, then the first saucer
xdotool key --window "$win" Right
sleep 0.4
xdotool keydown --window "$win" ctrl
sleep 0.12                         # the shot on its way up
shoot_window game_play.png
xdotool keyup --window "$win" ctrl
# A right click on the case: the popup menu, cut with the window beside it.
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove --window "$win" 330 70 click 3
sleep 0.6
import -window root -crop "$((WIDTH + 160))x$((HEIGHT + 80))+${X}+${Y}" +repage "$out/popup_menu.png"
echo "wrote docs/popup_menu.png"
xdotool key Escape
stop

start 1
import -window root "$out/fullscreen.png"
echo "wrote docs/fullscreen.png"
# The menu button in the top-left corner opens the in-game menu.
xdotool mousemove 10 10 click 1
sleep 0.5
xdotool mousemove 60 240
sleep 0.3
import -window root -crop 640x480+0+0 +repage "$out/game_menu.png"
echo "wrote docs/game_menu.png"
stop

# The time face with the unlit segments at 8 %, from a copy of the program
# folder whose Config.ini asks for them (the program runs from the folder its
# executable lies in, so the executable is copied, not linked).
unlit="$work/unlit"
mkdir -p "$unlit"
cp "$bin/zorbanix" "$unlit/"
sed 's/^\[Common\]\r$/[Common]\r\nUnlitOpacity=8\r/' "$bin/Config.ini" >"$unlit/Config.ini"
for f in "$bin"/*; do [ -e "$unlit/$(basename "$f")" ] || ln -s "$f" "$unlit/"; done
start 0 "$unlit"
click 166 295                      # TIME: the time face
sleep 0.5
shoot_window unlit_8.png
stop
