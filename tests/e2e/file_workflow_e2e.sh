#!/usr/bin/env bash
# A whole test as a user makes it: "Nytt blad", the test typed into the
# dialog, a tray amount changed in the tray strip, "Spara som" into a folder
# (the file's bytes are compared with the twelve expected lines), the file
# opened again as a further tab, and "Kopiera" read back from the clipboard;
# then the VK curve turned on and clicked for another working width, the
# sheet switched to racetrack driving, saved, opened and saved again unchanged.
# Screenshots of the steps are left in the output folder to look at.
set -uo pipefail

program=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png
source "$(dirname "$0")/e2e_common.sh"
command -v xclip >/dev/null || { echo "SKIP: xclip is not installed"; exit 77; }

work=$(mktemp -d)
start_display
trap 'stop_all; rm -rf "$work"' EXIT
start_program

main=$(wait_for_main_window) || exit 1
sleep 0.5
tool_bar_y=38  # the menu bar, then the middle of the tool bar

# "Nytt blad", then the whole test typed into the dialog and OK.
click_in "$main" 19 $tool_bar_y
dialog=$(wait_for_window '^Inställningar$') || exit 1
sleep 0.5
type_peaked_test
click_ok "$dialog"
sheet=$(wait_for_window '^Kaldoventri - Blad1$') || exit 1
sleep 0.5

# Tray 1 in the strip under the diagram: 6 becomes 15.
eval "$(xdotool getwindowgeometry --shell "$sheet")"
click_in "$sheet" 232 $(( HEIGHT - 124 ))
xdotool key End BackSpace
xdotool type --delay 50 "15"
sleep 0.5
screenshot 1-changed-tray

# "Spara som" into the folder; the dialog offers the sheet's name, which is replaced.
click_in "$sheet" 96 $tool_bar_y
wait_for_window 'Spara|Save' >/dev/null || exit 1
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 "$work/trial"
xdotool key Return
wait_for_window '^Kaldoventri - trial$' >/dev/null || exit 1
[ -s "$work/trial.vkf" ] || fail "no file $work/trial.vkf"
printf 'Kaldoventri\r\nNormal,15,13,21,29,37,44,52,60,67,75,83,87,98,98,87,83,75,67,60,52,44,37,29,21,13,6\r\nSpridarFabrikat,Bogballe\r\nSpridarModell,M2W\r\nSpridarInst\344llning,34\r\nArbetsbredd,12 m\r\nG\366dselFabrikat,Yara\r\nG\366dselMedel,NS27\r\nProduktionsplats,Glomfjord\r\n----------------------------------------------------------\r\nABredd,24\r\nBackuppst\344llning,0\r\n' >"$work/expected.vkf"
date_line >>"$work/expected.vkf"
cmp "$work/trial.vkf" "$work/expected.vkf" || { od -c "$work/trial.vkf" | head -20 >&2; fail "the saved file differs from the expected twelve lines"; }

# "Läs in från fil" opens a copy as a further tab.
cp "$work/trial.vkf" "$work/second.vkf"
click_in "$sheet" 44 $tool_bar_y
wait_for_window 'Öppna|Open|Läs' >/dev/null || exit 1
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 "$work/second.vkf"
xdotool key Return
second=$(wait_for_window '^Kaldoventri - second$') || exit 1
sleep 0.5
screenshot 2-second-tab

# "Kopiera" (Ctrl+C) puts the diagram on the clipboard as a picture. Without a
# window manager nobody hands the window the keyboard, so the test does.
xdotool windowfocus --sync "$second"
eval "$(xdotool getwindowgeometry --shell "$second")"
click_in "$second" 232 $(( HEIGHT - 124 ))  # back in tray 1, where the user left off
xdotool key ctrl+c
sleep 0.5
xclip -selection clipboard -t image/png -o >"$out/clipboard.png" 2>/dev/null || fail "no picture on the clipboard"
size=$(identify -format '%w %h' "$out/clipboard.png" 2>/dev/null) || fail "the clipboard does not hold a picture"
read -r w h <<<"$size"
[ "$w" -gt 300 ] && [ "$h" -gt 100 ] || fail "the clipboard picture is only $w x $h"

# Diagram menu, by the keyboard once it is open: its items from the top.
diagram_menu() {
  click_in "$second" 65 10
  sleep 0.4
  xdotool key --delay 150 "$@"
  sleep 0.5
}
save_as() {  # "Spara som" (Ctrl+Shift+S): the sheet has a file, which "Spara" would write over
  xdotool windowfocus --sync "$second"
  xdotool key ctrl+shift+s
  wait_for_window 'Spara|Save' >/dev/null || exit 1
  sleep 0.5
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Return
  wait_for_window "^Kaldoventri - $(basename "$1")\$" >/dev/null || exit 1
}

# "Visa VK-kurva" (after the three Y scales), then a click in the curve's plot, which lies under the
# diagram's right part in a tall window and beside it in a short one: the
# sheet takes the working width under the pointer.
diagram_menu Down Down Down Down Return
eval "$(xdotool getwindowgeometry --shell "$second")"
click_in "$second" $(( WIDTH * 4 / 5 )) $(( HEIGHT - 146 - 60 ))
sleep 0.5
screenshot 3-vk-curve
# "Körmönster", "Varvkörning".
diagram_menu Down Down Down Down Down Right Down Return
screenshot 4-racetrack
save_as "$work/racetrack"
grep -q $'^ABredd,24\r$' "$work/racetrack.vkf" && fail "the click on the curve left the working width at 12 m"
# The driving pattern's line follows the layout's; the test record's date comes after it.
LC_ALL=C grep -qa $'^K\366rm\366nster,Varv\r$' "$work/racetrack.vkf" ||
  fail "the racetrack sheet was saved without its driving pattern"
click_in "$second" 44 $tool_bar_y
wait_for_window 'Öppna|Open|Läs' >/dev/null || exit 1
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 "$work/racetrack.vkf"
xdotool key Return
sleep 1
save_as "$work/again"
cmp "$work/racetrack.vkf" "$work/again.vkf" || fail "a racetrack test opened and saved again changed"
echo "PASS: saved, opened and copied a $w x $h picture; curve, racetrack and its round trip; screenshots in $out"
