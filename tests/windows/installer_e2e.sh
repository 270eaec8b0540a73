#!/usr/bin/env bash
# The Windows installer under Wine, as an administrator and a user meet it:
# installed silently into a fresh Wine prefix; the program's version, its CSV
# table of a set of test files (valid, broken, CR-only and LF-only line ends,
# a Swedish file name in a Swedish folder) byte for byte against the Linux
# program's, a PDF report's page count against the Linux one's, the window
# the test archive on an SQLite file and on a PostgreSQL server (started here
# on the loopback address) listing what the Linux program lists; the window
# opened with a test file as argument and by the file type (a double-click);
# then uninstalled silently, leaving nothing behind in Program Files.
#   installer_e2e.sh SETUP.exe LINUX_PROGRAM WORK_DIR
set -uo pipefail
setup=$(realpath "$1") linux=$(realpath "$2") out=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/e2e_common.sh"
rm -rf "$out" && mkdir -p "$out" && out=$(realpath "$out")

wine=$(command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX=$out/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
passed=0
pass() { echo "PASS: $*"; passed=$((passed + 1)); }
# Runs a Windows program to its end, with everything it started.
on_windows() { "$wine" "$@"; local status=$?; "$wineserver" -w; return $status; }

# Swedish on both systems (decimal comma), from a private copy of the locale.
mkdir -p "$out/locale"
if localedef -i sv_SE -c -f UTF-8 "$out/locale/sv_SE.UTF-8" 2>/dev/null || [ -d "$out/locale/sv_SE.UTF-8" ]; then
  export LOCPATH=$out/locale
  export LC_ALL=sv_SE.UTF-8 LANG=sv_SE.UTF-8
else
  echo "note: no Swedish locale could be made; comparing under C.UTF-8"
  export LC_ALL=C.UTF-8 LANG=C.UTF-8
fi

start_display
"$wine" wineboot -i >/dev/null 2>&1 && "$wineserver" -w

program_files=$WINEPREFIX/drive_c/Program\ Files
before=$(cd "$program_files" && find . | LC_ALL=C sort)

# --- Silent install -----------------------------------------------------------
on_windows "$setup" /S || fail "the silent install ended with status $?"
dir=$program_files/Kaldoventri
windir='C:\Program Files\Kaldoventri'
for f in Kaldoventri.exe Kaldoventri.com Avinstallera.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll Qt6Network.dll \
  Qt6Sql.dll sqldrivers/qsqlite.dll sqldrivers/qsqlpsql.dll libpq.dll \
  platforms/qwindows.dll styles/qwindowsvistastyle.dll \
  libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll translations/qt_sv.qm qt.conf; do
  [ -f "$dir/$f" ] || fail "not installed: $f"
done
[ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kaldoventri.lnk" ] ||
  fail "no Start menu entry"
registry() { "$wine" reg query "$@" 2>/dev/null | tr -d '\r'; }
registry 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kaldoventri' /v UninstallString |
  grep -qF 'Kaldoventri\Avinstallera.exe' || fail "not among the installed programs"
registry 'HKCR\.vkf' /ve | grep -q 'Kaldoventri.Spridarprov' || fail ".vkf is not Kaldoventri's file type"
registry 'HKCR\Kaldoventri.Spridarprov\shell\open\command' /ve | grep -qF 'Kaldoventri\Kaldoventri.exe" "%1"' ||
  fail "no open command for test files"
pass "installed silently with the Start menu entry, the uninstall entry and the .vkf file type"

# --- The command line ------------------------------------------------------------
# Both programs: the window program (output redirected, as from a script) and
# the console companion that cmd.exe and PowerShell pick.
expected_version=$("$linux" --version)
for program in Kaldoventri.exe Kaldoventri.com; do
  version=$(on_windows "$windir\\$program" --version) || fail "$program --version: status $?"
  [ "$version" = "$expected_version" ] || fail "$program --version: '$version', not '$expected_version'"
  on_windows "$windir\\$program" --help >"$out/help.txt" || fail "$program --help: status $?"
  # Texts are written in the ANSI code page, which a Swedish Windows console shows.
  "$linux" --help | cmp -s - <(iconv -f WINDOWS-1252 -t UTF-8 "$out/help.txt") || fail "$program --help differs from Linux"
  on_windows "$windir\\$program" --no-such-option >/dev/null 2>&1
  status=$?
  [ $status = 2 ] || fail "$program with an unknown option: status $status, not 2"
done
pass "--version ($expected_version), --help and a wrong option (status 2) as on Linux"

docs_win='C:\users\Åsa\Dokument'
docs=$WINEPREFIX/drive_c/users/Åsa/Dokument
mkdir -p "$docs"
cp "$here"/../../fuzz/corpus/*.vkf "$docs/"
cp "$here"/../../fuzz/corpus/valid.vkf "$docs/prov ö.vkf"
mapfile -t files < <(cd "$docs" && printf '%s\n' *.vkf | LC_ALL=C sort)
(cd "$docs" && "$linux" --csv - "${files[@]}" >"$out/linux.csv" 2>"$out/linux.err")
linux_status=$?
[ -s "$out/linux.csv" ] || fail "the Linux program wrote no table"
for program in Kaldoventri.exe Kaldoventri.com; do
  # The pattern as cmd.exe passes it: unexpanded.
  (cd "$docs" && on_windows "$windir\\$program" --csv - '*.vkf' >"$out/windows.csv" 2>"$out/windows.err")
  status=$?
  [ $status = $linux_status ] || fail "$program --csv -: status $status, Linux $linux_status"
  cmp "$out/linux.csv" "$out/windows.csv" || fail "$program --csv - differs from Linux (see $out/*.csv)"
  [ "$(wc -l <"$out/windows.err")" = "$(wc -l <"$out/linux.err")" ] ||
    fail "$program refused other files than Linux: $(cat "$out/windows.err")"
done
pass "--csv - of ${#files[@]} test files: $(wc -c <"$out/linux.csv") bytes as on Linux, status $linux_status, $(wc -l <"$out/linux.err") refused"

(cd "$docs" && "$linux" --report "$out/linux.pdf" "${files[@]}" >/dev/null 2>&1)
on_windows "$windir\\Kaldoventri.exe" --report "$docs_win\\rapport.pdf" "$docs_win\\*.vkf" >/dev/null 2>&1
pages() { pdfinfo "$1" 2>/dev/null | sed -nE 's/^Pages:[[:space:]]+//p'; }
[ -f "$docs/rapport.pdf" ] || fail "no report written"
[ "$(pages "$docs/rapport.pdf")" = "$(pages "$out/linux.pdf")" ] ||
  fail "the report has $(pages "$docs/rapport.pdf") pages, on Linux $(pages "$out/linux.pdf")"
# Its text is real text in an embedded font, not the boxes of a missing one.
pdftotext -l 1 "$docs/rapport.pdf" - | grep -qE "rapport över [0-9]+ prov" ||
  fail "the report's first page does not read \"rapport över … prov\" (no font?)"
pass "report of the same files: $(pages "$out/linux.pdf") pages as on Linux"

# The Excel table: the same cells as on Linux (the workbook's dates differ).
(cd "$docs" && "$linux" --xlsx "$out/linux.xlsx" "${files[@]}" >/dev/null 2>&1)
on_windows "$windir\\Kaldoventri.exe" --xlsx "$docs_win\\tabell.xlsx" "$docs_win\\*.vkf" >/dev/null 2>&1
[ -f "$docs/tabell.xlsx" ] || fail "no Excel table written"
for part in xl/worksheets/sheet1.xml xl/worksheets/sheet2.xml xl/sharedStrings.xml; do
  cmp <(unzip -p "$out/linux.xlsx" "$part") <(unzip -p "$docs/tabell.xlsx" "$part") ||
    fail "the Excel table's $part differs from Linux"
done
pass "--xlsx of the same files: the same cells as on Linux"

# --- The test archive ------------------------------------------------------------
# The same folder imported on both systems lists the same table; an import
# names the files it could not read and ends with status 1.
"$linux" --archive "$out/linux-arkiv.sqlite" --import "$docs" >/dev/null 2>"$out/linux-import.err"
linux_import=$?
"$linux" --archive "$out/linux-arkiv.sqlite" --list --csv - >"$out/linux-list.csv" 2>/dev/null ||
  fail "the Linux program could not list its archive"
[ "$(wc -l <"$out/linux-list.csv")" -gt 1 ] || fail "the Linux archive lists no test"
list_on_windows() {  # list_on_windows ARCHIVE NAME
  on_windows "$windir\\Kaldoventri.com" --archive "$1" --import "$docs_win" >/dev/null 2>"$out/$2-import.err"
  local status=$?
  [ $status = $linux_import ] || fail "--import into $2: status $status, Linux $linux_import: $(cat "$out/$2-import.err")"
  [ "$(tail -n 1 "$out/$2-import.err" | iconv -f WINDOWS-1252 -t UTF-8)" = "$(tail -n 1 "$out/linux-import.err")" ] ||
    fail "--import into $2 ended '$(tail -n 1 "$out/$2-import.err")', Linux '$(tail -n 1 "$out/linux-import.err")'"
  on_windows "$windir\\Kaldoventri.com" --archive "$1" --list --csv - >"$out/$2-list.csv" 2>"$out/$2-list.err" ||
    fail "--list from $2: status $?: $(cat "$out/$2-list.err")"
  cmp "$out/linux-list.csv" "$out/$2-list.csv" || fail "--list from $2 differs from Linux (see $out/*-list.csv)"
}
list_on_windows "$docs_win\\arkiv.sqlite" sqlite
[ -s "$docs/arkiv.sqlite" ] || fail "no SQLite archive written"
pass "archive on SQLite: --import of the folder and --list as on Linux ($(( $(wc -l <"$out/linux-list.csv") - 1 )) tests)"

pg=/usr/lib/postgresql/15/bin
if [ -x "$pg/initdb" ]; then
  # The server refuses root: under root it runs as nobody, in a folder of its own.
  server=$out/postgres && mkdir -p "$server" && chmod 777 "$server"
  as_server() { if [ "$(id -u)" = 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi; }
  port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  as_server "$pg/initdb" -D "$server/data" -A trust -U kaldo -E UTF8 >"$out/initdb.log" 2>&1 || fail "initdb failed"
  as_server "$pg/pg_ctl" -D "$server/data" -o "-p $port -k $server -c listen_addresses=127.0.0.1" -l "$server/log" -w start \
    >/dev/null || fail "the PostgreSQL server did not start"
  stop_server() { as_server "$pg/pg_ctl" -D "$server/data" -m immediate -w stop >/dev/null 2>&1; }
  trap stop_server EXIT
  as_server "$pg/createdb" -h 127.0.0.1 -p "$port" -U kaldo arkiv || fail "createdb failed"
  list_on_windows "postgresql://kaldo@127.0.0.1:$port/arkiv" postgresql
  stop_server
  trap - EXIT
  pass "archive on PostgreSQL through the Windows program's own driver: --import and --list as on Linux"
else
  echo "note: no PostgreSQL server here ($pg); the archive on PostgreSQL is not tried"
fi

# --- The window ----------------------------------------------------------------
# Waits for a window captioned exactly $1 for up to 60 s; prints its id.
wait_for_caption() {
  local id
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
"$wine" "$windir\\Kaldoventri.exe" "$docs_win\\prov ö.vkf" >"$out/program.log" 2>&1 &
program_pid=$!
id=$(wait_for_caption 'Kaldoventri - prov ö') || { screenshot no-window; fail "no window 'Kaldoventri - prov ö'"; }
sleep 3  # the caption comes before the first paint
screenshot main-window
pass "the window opened '$docs_win\\prov ö.vkf' as the sheet 'prov ö'"

# A double-click in Explorer while the program runs: the shell starts a second
# program with the file type's command, which hands the file to the running one
# and ends without a window of its own.
kaldoventris() { pgrep -fc 'Kaldoventri\.exe' || true; }
running=$(kaldoventris)
cp "$docs/valid.vkf" "$docs/dubbelklick.vkf"
started=$(now_ms)
"$wine" start "$docs_win\\dubbelklick.vkf" >"$out/second.log" 2>&1
wait_for_caption 'Kaldoventri - dubbelklick' >/dev/null || { screenshot no-window; fail "the file type does not open the file"; }
joined_after=$(( $(now_ms) - started ))
for _ in $(seq 100); do [ "$(kaldoventris)" -le "$running" ] && break; sleep 0.1; done
[ "$(kaldoventris)" -le "$running" ] || fail "the second start did not end: $(kaldoventris) programs, $running before"
kill -0 "$program_pid" 2>/dev/null || fail "the running program ended at the second start"
[ "$(xdotool search --onlyvisible --name '^Kaldoventri - ' | wc -l)" = 1 ] || fail "a second main window"
screenshot joined
"$wineserver" -k; wait "$program_pid" 2>/dev/null; program_pid=""
pass "a test file double-clicked through its file type opened in the running program after $joined_after ms"

# --- Uninstall ------------------------------------------------------------------
on_windows "$windir\\Avinstallera.exe" /S || fail "the silent uninstall ended with status $?"
after=$(cd "$program_files" && find . | LC_ALL=C sort)
[ "$after" = "$before" ] || fail "left in Program Files: $(comm -13 <(echo "$before") <(echo "$after") | tr '\n' ' ')"
[ ! -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kaldoventri.lnk" ] ||
  fail "the Start menu entry is left"
"$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kaldoventri' >/dev/null 2>&1 &&
  fail "the uninstall entry is left"
"$wine" reg query 'HKCR\Kaldoventri.Spridarprov' >/dev/null 2>&1 && fail "the file type is left"
pass "uninstalled silently: Program Files as before, no Start menu entry, no registry keys"

echo "$passed passed, 0 failed"
