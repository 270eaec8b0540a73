#!/usr/bin/env bash
# Starts the program unpacked from the package, under its installed name, on
# its own Xvfb with a test file as argument. Passes when a main window whose
# caption matches the pattern appears and carries the program's window class.
#   package_start.sh <work dir> <output dir> <caption pattern>
set -uo pipefail
work=$1 out=$2 pattern=$3
source "$(dirname "$0")/../e2e/e2e_common.sh"

rm -rf "$out" && mkdir -p "$out" && cp "$(dirname "$0")/../../fuzz/corpus/valid.vkf" "$out/prov.vkf"
start_display
"$work/root/usr/bin/kaldoventri" "$out/prov.vkf" >"$out/program.log" 2>&1 &
program_pid=$!
for _ in $(seq 300); do
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$out/program.log")"
  for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" = 448 ] && [ "$HEIGHT" = 251 ] && continue  # the splash screen
    screenshot main-window
    # Class: the application name, the message boxes' caption. Instance: matched to kaldoventri.desktop.
    class=$(xprop -id "$id" WM_CLASS)
    [ "$class" = 'WM_CLASS(STRING) = "kaldoventri", "Kaldoventri"' ] || fail "window class: $class"
    echo "PASS: '$(xdotool getwindowname "$id")'" && exit 0
  done
  sleep 0.1
done
screenshot no-main-window
fail "no main window '$pattern' within 30 s"
