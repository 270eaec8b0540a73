#!/usr/bin/env bash
# Runs a Windows test program under Wine: wine-run.sh CONFIG PROGRAM ARGS...
# ctest and gtest_discover_tests call it as the emulator. CONFIG (written by
# CMake) names the build's own Wine prefix and the folders of the Qt and MinGW
# DLLs, which go on the program's PATH.
set -euo pipefail
# shellcheck disable=SC1090
source "$1"
shift

export WINEPREFIX WINEDEBUG=-all
# No Mono and no Gecko: a test program needs neither, and Wine would offer to install them.
export WINEDLLOVERRIDES="mscoree=;mshtml="
# Console programs only: no window may appear on whatever display is there.
unset DISPLAY WAYLAND_DISPLAY

runtime=$(dirname "$("$COMPILER" -print-file-name=libstdc++-6.dll)")
pthread=$(dirname "$("$COMPILER" -print-file-name=libwinpthread-1.dll)")
windows_path() { local p=${1//\//\\}; echo "Z:$p"; }
WINEPATH="$(windows_path "$QT_BIN");$(windows_path "$runtime");$(windows_path "$pthread")"
export WINEPATH
QT_PLUGIN_PATH=$(windows_path "$QT_PLUGINS")
export QT_PLUGIN_PATH

# Tests and test discovery run side by side: one of them makes the prefix.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock "$WINEPREFIX.lock" bash -c '[ -f "$WINEPREFIX/system.reg" ] || { "$0" wineboot -i && "${0%/*}/wineserver" -w; }' "$WINE" >/dev/null 2>&1
fi
# A Wine server started by the program would keep its output pipe open, and
# ctest and test discovery wait for the pipe's end: the output goes through
# files instead.
output=$(mktemp) errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
status=0
"$WINE" "$@" >"$output" 2>"$errors" </dev/null || status=$?
cat "$errors" >&2
cat "$output"
exit $status
