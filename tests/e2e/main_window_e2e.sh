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
source "$(dirname "$0")/e2e_common.sh"

# Visible windows named exactly "Kaldoventri", as "id width height" lines.
windows() {
  for id in $(xdotool search --onlyvisible --name '^Kaldoventri$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$id $WIDTH $HEIGHT"
  done
}
is_splash() { [ "$2" = 448 ] && [ "$3" = 251 ]; }

start_display
start=$(now_ms)
start_program

splash_seen=no
main=""
while [ -z "$main" ]; do
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended during start-up"
  [ $(( $(now_ms) - start )) -lt 30000 ] || fail "no main window within 30 s"
  while read -r id w h; do
    [ -n "$id" ] || continue
    if is_splash "$id" "$w" "$h"; then
      if [ "$splash_seen" = no ]; then splash_seen=yes; screenshot 1-splash; fi
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
screenshot 2-main-window

# "Nytt blad" on the tool bar opens the test entry dialog.
click_in "$main" 19 $(( 22 + 16 ))  # under the menu bar, in the middle of the tool bar
dialog=$(wait_for_window '^Inställningar$') || exit 1
sleep 0.5
type_peaked_test
sleep 0.3
screenshot 3-dialog
# The dialog has no default button, so Enter would not close it: click "OK".
click_ok "$dialog"
wait_for_window '^Kaldoventri - Blad1$' >/dev/null || exit 1
sleep 0.5
screenshot 4-sheet

# The pointer read-out shows where the pointer rests and lets every click
# through to the diagram under it: a right click there opens the pop-up menu.
# A window of the program's own beside the main window, larger than the read-out.
menu_open() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    [ "$id" = "$main" ] && continue
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" -gt 150 ] && [ "$HEIGHT" -gt 60 ] && return 0
  done
  return 1
}
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $(( X + 700 )) $(( Y + 480 ))
sleep 0.5
menu_open && fail "a menu is open before the right click"
xdotool click 3
sleep 0.5
screenshot 5-popup-over-readout
menu_open || fail "a right click over the read-out opened no pop-up menu"
xdotool key Escape

# The keyboard alone: Alt+A and N (the menus' mnemonics) open the test entry
# dialog, Shift+Tab from its first field reaches "Avbryt"; F10 and Return do
# the same through the menu bar; Ctrl+W closes the sheet.
gone() {
  local tries=0
  while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
    tries=$(( tries + 1 )); [ $tries -lt 100 ] || return 1
    sleep 0.05
  done
}
sleep 0.3
for opening in "alt+a n" "F10 Return"; do
  xdotool windowfocus --sync "$main"
  # shellcheck disable=SC2086
  xdotool key --delay 150 $opening
  wait_for_window '^Inställningar$' >/dev/null || fail "$opening opened no test entry dialog"
  sleep 0.3
  [ "$opening" = "F10 Return" ] || screenshot 6-dialog-by-keyboard
  xdotool key --delay 150 shift+Tab space
  gone '^Inställningar$' || fail "Shift+Tab and Space did not cancel the dialog"
done
xdotool windowfocus --sync "$main"
xdotool key ctrl+w
# The typed test is unsaved: the question (a box named "Kaldoventri" while the
# window is still "Kaldoventri - Blad1") comes first, and "Spara inte" lets it go.
question=$(wait_for_window '^Kaldoventri$') || fail "Ctrl+W asked nothing about the unsaved sheet"
xdotool windowfocus --sync "$question"
sleep 0.3
xdotool key alt+i
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^Kaldoventri - Blad1$' >/dev/null 2>&1 || break
  sleep 0.05
done
xdotool search --onlyvisible --name '^Kaldoventri - Blad1$' >/dev/null && fail "Ctrl+W and Spara inte left the sheet open"

for shot in 1-splash 2-main-window 3-dialog 4-sheet 5-popup-over-readout 6-dialog-by-keyboard; do
  [ -s "$out/$shot.png" ] || fail "screenshot $shot is missing"
done
echo "PASS: screenshots in $out"
