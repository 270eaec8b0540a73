#!/usr/bin/env bash
# Nothing typed is lost: a test typed in and never saved survives a kill -9 of
# the program (the next start offers it back, and it saves to the same bytes
# as a test typed and saved at once); a second start with a file hands the
# file to the running program and ends; "Avsluta" with an unsaved sheet asks,
# "Avbryt" keeps the program running, "Spara inte" ends it and leaves no copy.
set -uo pipefail

program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$2
mkdir -p "$out"
rm -rf "$out"/*.png "$out/data" "$out/config" "$out/program.log"
source "$(dirname "$0")/e2e_common.sh"

work=$(mktemp -d)
start_display
trap 'stop_all; rm -rf "$work"' EXIT
start_program

main=$(wait_for_main_window) || exit 1
sleep 0.5
xdotool windowfocus --sync "$main"
xdotool key ctrl+n
dialog=$(wait_for_window '^Inställningar$') || exit 1
sleep 0.5
type_peaked_test
click_ok "$dialog"
wait_for_window '^Kaldoventri - Blad1$' >/dev/null || exit 1
# The copy follows a change within a second.
sleep 2.5
kill -9 "$program_pid"
wait "$program_pid" 2>/dev/null
copies=$(find "$out/data" -name '*.vkf' | wc -l)
[ "$copies" -eq 1 ] || fail "the killed program left $copies recovery copies, not 1"

# The next start asks; Enter answers "Återställ".
start_program
wait_for_main_window >/dev/null || exit 1
question=""
for _ in $(seq 100); do
  for id in $(xdotool search --onlyvisible --name '^Kaldoventri$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" -lt 700 ] && [ "$HEIGHT" -lt 300 ] && question=$id
  done
  [ -n "$question" ] && break
  sleep 0.1
done
[ -n "$question" ] || fail "no question about the unsaved sheet after the kill"
sleep 0.3
screenshot 1-recovery-question
xdotool windowfocus --sync "$question"
xdotool key Return
restored=$(wait_for_window '^Kaldoventri - Blad1$') || fail "the unsaved sheet did not come back"
sleep 0.5
screenshot 2-restored

# It comes back whole: saved, it is the test as typed.
xdotool windowfocus --sync "$restored"
xdotool key ctrl+s
wait_for_window 'Spara|Save' >/dev/null || exit 1
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 "$work/restored"
xdotool key Return
wait_for_window '^Kaldoventri - restored$' >/dev/null || exit 1
printf 'Kaldoventri\r\nNormal,6,13,21,29,37,44,52,60,67,75,83,87,98,98,87,83,75,67,60,52,44,37,29,21,13,6\r\nSpridarFabrikat,Bogballe\r\nSpridarModell,M2W\r\nSpridarInst\344llning,34\r\nArbetsbredd,12 m\r\nG\366dselFabrikat,Yara\r\nG\366dselMedel,NS27\r\nProduktionsplats,Glomfjord\r\n----------------------------------------------------------\r\nABredd,24\r\nBackuppst\344llning,0\r\n' >"$work/expected.vkf"
date_line >>"$work/expected.vkf"
cmp "$work/restored.vkf" "$work/expected.vkf" || fail "the restored test differs from the one typed"
[ -z "$(find "$out/data" -name '*.vkf')" ] || fail "a saved sheet kept a recovery copy"

# A second start with a file: the running program opens it, the second start ends.
cp "$work/expected.vkf" "$work/second.vkf"
first_pid=$program_pid
started=$(now_ms)
( cd "$work" && XDG_DATA_HOME="$out/data" XDG_CONFIG_HOME="$out/config" timeout 20 "$program" second.vkf ) \
  >>"$out/program.log" 2>&1 || fail "the second start did not end by itself with status 0"
took=$(( $(now_ms) - started ))
[ "$took" -lt 4000 ] || fail "the second start took $took ms: it showed its own splash"
wait_for_window '^Kaldoventri - second$' >/dev/null || fail "the running program did not open the handed-over file"
mains=$(xdotool search --onlyvisible --name '^Kaldoventri - ' 2>/dev/null | wc -l)
[ "$mains" -eq 1 ] || fail "$mains main windows after the second start"
screenshot 3-handed-over

# An unsaved sheet, then Avsluta: the question, Escape keeps everything.
program_pid=$first_pid
xdotool windowfocus --sync "$(wait_for_window '^Kaldoventri - second$')"
xdotool key ctrl+n
dialog=$(wait_for_window '^Inställningar$') || exit 1
sleep 0.5
type_peaked_test
click_ok "$dialog"
sheet=$(wait_for_window '^Kaldoventri - Blad3$') || exit 1
sleep 0.3
ask_to_end() {
  xdotool windowfocus --sync "$sheet"
  xdotool key --delay 150 alt+a v
  # The question is the box named "Kaldoventri" beside "Kaldoventri - Blad3".
  xdotool windowfocus --sync "$(wait_for_window '^Kaldoventri$')"
  sleep 0.3
}
ask_to_end
screenshot 4-close-question
xdotool key Escape
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^Kaldoventri$' >/dev/null 2>&1 || break
  sleep 0.05
done
kill -0 "$program_pid" 2>/dev/null || fail "Avbryt ended the program"
xdotool search --onlyvisible --name '^Kaldoventri - Blad3$' >/dev/null || fail "Avbryt lost the sheet"
ask_to_end
xdotool key alt+i
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "Spara inte did not end the program"
wait "$program_pid"
status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ -z "$(find "$out/data" -name '*.vkf')" ] || fail "the normal end left recovery copies"
echo "PASS: restored after kill -9, second start handed over in $took ms, asked before Avsluta; screenshots in $out"
