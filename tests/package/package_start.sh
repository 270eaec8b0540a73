#!/usr/bin/env bash
# Starts the program unpacked from the package (under its installed name)
# on its own Xvfb with a test file as argument, and waits for its main
# window to carry one of the given captions exactly and the program's class.
#   package_start.sh <work dir> <output dir> <caption> [<caption> ...]
set -uo pipefail
work=$1 out=$2
shift 2
source "$(dirname "$0")/../e2e/e2e_common.sh"

rm -rf "$out" && mkdir -p "$out"
cp "$(dirname "$0")/../../fuzz/corpus/valid.vkf" "$out/prov.vkf"
start_display
"$work/root/usr/bin/kaldoventri" "$out/prov.vkf" >"$out/program.log" 2>&1 &
program_pid=$!

seen=""
for _ in $(seq 300); do
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$out/program.log")"
  # xdotool matches names without regard to case; the comparison below does not.
  for id in $(xdotool search --onlyvisible --name '^Kaldoventri' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" = 448 ] && [ "$HEIGHT" = 251 ] && continue
    seen=$(xdotool getwindowname "$id")
    for caption in "$@"; do
      [ "$seen" = "$caption" ] || continue
      screenshot main-window
      # The class is the application name, which message boxes take as their
      # caption; desktop shells match the instance to kaldoventri.desktop.
      class=$(xprop -id "$id" WM_CLASS)
      [ "$class" = 'WM_CLASS(STRING) = "kaldoventri", "Kaldoventri"' ] || fail "window class: $class"
      echo "PASS: '$seen'"
      exit 0
    done
  done
  sleep 0.1
done
screenshot no-main-window
fail "no main window captioned $(printf "'%s' " "$@")within 30 s; last seen: '$seen'"
