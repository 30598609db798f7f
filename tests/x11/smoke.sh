#!/usr/bin/env bash
# Real-display smoke test: starts the built game under an Xvfb of its own in a fresh working
# folder without "tarnova.ini" but with the guide, answers the settings error, checks the main
# window, opens the report, the two forecasts, the decision dialog, the setup dialog and the guide
# from the keyboard and closes each, leaves the game through its exit confirmation and checks the
# settings file it wrote. With SMOKE_SHOTS set to a folder, a screenshot of each window goes there.
# Usage: smoke.sh GAME GUIDE
set -u
game=$1
guide=$2

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done

work=$(mktemp -d)
xpid=""
gpid=""
cleanup() {
  [ -n "$gpid" ] && kill "$gpid" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$work/game.log" ] && cat "$work/game.log"; exit 1; }

# A display number nobody uses.
disp=""
for n in $(seq 90 250); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then disp=$n; break; fi
done
[ -n "$disp" ] || fail "no free display number"
Xvfb ":$disp" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xpid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$disp" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$disp" ] || fail "Xvfb did not start"
export DISPLAY=":$disp"
unset QT_QPA_PLATFORM

# Waits for a visible window whose title is exactly $1 and prints its id.
wait_window() {
  local id
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
press() { xdotool windowfocus --sync "$1" 2>/dev/null; xdotool key --clearmodifiers $2; }
# Waits until the window $1 is no longer visible.
wait_gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
shot() {
  [ -n "${SMOKE_SHOTS:-}" ] || return 0
  mkdir -p "$SMOKE_SHOTS"
  sleep 0.3
  if command -v import >/dev/null; then
    import -window "$1" "$SMOKE_SHOTS/$2.png" 2>/dev/null
  else
    xwd -silent -id "$1" -out "$SMOKE_SHOTS/$2.xwd" 2>/dev/null
  fi
}
# Opens a window from the main window with the keys $2, checks its title $1, shoots it as $3 and
# closes it with the keys $4.
open_and_close() {
  local id
  press "$main" "$2"
  id=$(wait_window "$1") || fail "'$1' did not open with $2"
  shot "$id" "$3"
  press "$id" "$4"
  wait_gone "$1" || fail "'$1' did not close with $4"
  echo "opened and closed '$1'"
}

main_title='Имитационная игра "ТАРНОВА"'
export WORK="$work"
[ -n "$guide" ] && cp "$guide" "$work/tarnova.txt"
(cd "$work" && exec "$game") >"$work/game.log" 2>&1 &
gpid=$!

# The settings error comes first, before the main window.
box=$(wait_window "Ошибка") || fail "no 'Ошибка' box about tarnova.ini"
[ -z "$(xdotool search --onlyvisible --name "^$main_title\$" 2>/dev/null)" ] ||
  fail "the main window showed before the settings error"
shot "$box" "settings-error"
press "$box" Return

main=$(wait_window "$main_title") || fail "the main window did not appear"
size=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: //p')
width=${size%x*}
height=${size#*x}
[ "$width" = 441 ] || fail "main window width $width, not 441"
menubar=$((height - 265))
{ [ "$menubar" -ge 15 ] && [ "$menubar" -le 40 ]; } || fail "main window height $height: no room for a 265 pixel client area below a menu bar"
echo "main window $size"
shot "$main" "main"

# The focus is on "ОТЧЕТ": Enter opens the report; Tab moves along the command buttons.
open_and_close "Отчет" Return report Return
open_and_close "Метеопрогноз" "Tab Return" meteo Return
open_and_close "Прогноз сброса сточных вод предприятиями" "Tab Return" sbros Return
open_and_close "Ввод данных" "Tab Return" input Escape
open_and_close "Настройка" ctrl+s setup Escape
press "$main" ctrl+h
guide_id=$(wait_window "Руководство пользователя") || fail "the guide did not open with Ctrl+H"
shot "$guide_id" "guide"
echo "opened the guide"

# "ВЫХОД" (two buttons on from "ВВОД ДАННЫХ"), then OK in the confirmation, which has the focus.
press "$main" "Tab Tab Return"
confirm=$(wait_window "Выход") || fail "no exit confirmation"
shot "$confirm" "exit"
press "$confirm" Return
for _ in $(seq 100); do kill -0 "$gpid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$gpid" 2>/dev/null && fail "the game did not end after the exit confirmation"
wait "$gpid"
status=$?
gpid=""
[ "$status" = 0 ] || fail "the game ended with status $status"

content=$(cat "$work/tarnova.ini" 2>/dev/null)
[ "$content" = "I61" ] || fail "tarnova.ini holds '$content', not 'I61'"
echo "PASS: error box, main window, report, forecasts, decisions, setup, guide, exit; tarnova.ini = I61"
