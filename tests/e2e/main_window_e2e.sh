#!/usr/bin/env bash
# Starts Kaldoventri under its own Xvfb and checks what a user sees: the
# splash screen first, the main window "Kaldoventri" no earlier than five
# seconds after the start with the splash gone, the test entry dialog on
# "Nytt blad", and a first sheet "Blad1" after the dialog is filled in.
# Screenshots of each step are left in the output folder to look at.
# Exits 77 (skipped) only when no X server can be started here.
set -uo pipefail

program=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png

fail() { echo "FAIL: $*" >&2; exit 1; }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# A display number nobody uses.
display=""
for n in $(seq 91 160); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "SKIP: no free display number"; exit 77; }

Xvfb ":$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$display" ] || { echo "SKIP: Xvfb could not be started"; exit 77; }
export DISPLAY=":$display"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Visible windows named exactly "Kaldoventri", as "id width height" lines.
windows() {
  for id in $(xdotool search --onlyvisible --name '^Kaldoventri$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$id $WIDTH $HEIGHT"
  done
}
is_splash() { [ "$2" = 448 ] && [ "$3" = 251 ]; }

start=$(now_ms)
"$program" >"$out/program.log" 2>&1 &
program_pid=$!

splash_seen=no
main=""
while [ -z "$main" ]; do
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended during start-up"
  [ $(( $(now_ms) - start )) -lt 30000 ] || fail "no main window within 30 s"
  while read -r id w h; do
    [ -n "$id" ] || continue
    if is_splash "$id" "$w" "$h"; then
      if [ "$splash_seen" = no ]; then splash_seen=yes; import -window root "$out/1-splash.png"; fi
    else
      main=$id
    fi
  done < <(windows)
  sleep 0.05
done
shown_after=$(( $(now_ms) - start ))
echo "main window after $shown_after ms"
[ "$splash_seen" = yes ] || fail "the splash screen never showed"
[ "$shown_after" -ge 5000 ] || fail "main window shown after $shown_after ms, before the five seconds were over"
while read -r id w h; do
  [ -n "$id" ] && is_splash "$id" "$w" "$h" && fail "the splash screen is still there beside the main window"
done < <(windows)
sleep 1
import -window root "$out/2-main-window.png"

# "Nytt blad" on the tool bar opens the test entry dialog.
eval "$(xdotool getwindowgeometry --shell "$main")"
menu_and_tool_bar_offset=$(( 22 + 16 ))
xdotool mousemove $(( X + 19 )) $(( Y + menu_and_tool_bar_offset )) click 1
dialog=""
for _ in $(seq 50); do
  dialog=$(xdotool search --onlyvisible --name '^Inställningar$' 2>/dev/null | head -1)
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || fail "the test entry dialog did not open"
sleep 0.5
xdotool type --delay 20 "Bogballe"
xdotool key Tab; xdotool type --delay 20 "M2W"
xdotool key Tab; xdotool type --delay 20 "34"
xdotool key Tab; xdotool type --delay 20 "NS27"
xdotool key Tab; xdotool type --delay 20 "Yara"
xdotool key Tab; xdotool type --delay 20 "Glomfjord"
for amount in 6 13 21 29 37 44 52 60 67 75 83 87 98 98 87 83 75 67 60 52 44 37 29 21 13 6; do
  xdotool key Tab; xdotool type --delay 20 "$amount"
done
sleep 0.3
import -window root "$out/3-dialog.png"
# The dialog has no default button, so Enter would not close it: click "OK".
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $(( X + 872 + 37 )) $(( Y + 344 + 12 )) click 1

sheet=""
for _ in $(seq 50); do
  sheet=$(xdotool search --onlyvisible --name '^Kaldoventri - Blad1$' 2>/dev/null | head -1)
  [ -n "$sheet" ] && break
  sleep 0.1
done
[ -n "$sheet" ] || fail "no sheet Blad1 after OK in the dialog"
sleep 0.5
import -window root "$out/4-sheet.png"

for shot in 1-splash 2-main-window 3-dialog 4-sheet; do
  [ -s "$out/$shot.png" ] || fail "screenshot $shot is missing"
done
echo "PASS: screenshots in $out"
