# Shared by the end-to-end tests: a private Xvfb, the program started on it,
# waiting for windows by caption, and screenshots. Source it, then call
# start_display and start_program. Exit code 77 means "skipped": only used
# where no X server can be started here.

# Fails the test; the program's own log goes with the message, as the
# temporary folder it lies in goes with the test.
fail() {
  echo "FAIL: $*" >&2
  if [ -s "${out:-}/program.log" ]; then
    echo "--- the program's log ---" >&2
    cat "$out/program.log" >&2
  fi
  exit 1
}
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Starts a private Xvfb and exports DISPLAY. Xvfb picks a free display number
# itself (-displayfd), so tests running side by side never share a server.
start_display() {
  local tool number_file
  for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
  number_file=$(mktemp)
  # -noreset: the connection that checks the server must not make it reset
  # (and refuse clients for a moment) when it closes.
  Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  program_pid=""
  trap stop_all EXIT
  display=""
  for _ in $(seq 100); do
    display=$(tr -dc '0-9' <"$number_file")
    [ -n "$display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  [ -n "$display" ] || { echo "SKIP: Xvfb could not be started"; exit 77; }
  export DISPLAY=":$display"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  # The number comes before the server takes clients on a loaded machine; a
  # program started too early ends at once for want of a display.
  for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  fail "the X server on $DISPLAY takes no connections"
}

stop_all() {
  [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  # A server started with -displayfd keeps no lock file, and on its way out it
  # removes the socket of its display number: a next test's server that took
  # the same number would lose its socket. So this one must be gone first.
  local tries=0
  while [ -n "${xvfb_pid:-}" ] && kill -0 "$xvfb_pid" 2>/dev/null && [ $tries -lt 50 ]; do
    sleep 0.1
    tries=$(( tries + 1 ))
  done
  [ -n "${xvfb_pid:-}" ] && kill -9 "$xvfb_pid" 2>/dev/null
  return 0
}

# A run begins with no settings and no recovery copies of its own: a run that
# failed before may have left the program killed with unsaved sheets, whose
# recovery question would then stand in front of this run's windows.
[ -n "${out:-}" ] && rm -rf "$out/data" "$out/config"

# Starts the program in the background; its output goes to $out/program.log.
# Its data folder (recovery copies, settings) is the test's own, so that no
# other run's copies are offered to it, nor its copies to anyone else.
start_program() {
  export XDG_DATA_HOME="$out/data" XDG_CONFIG_HOME="$out/config"
  "$program" "$@" >>"$out/program.log" 2>&1 &
  program_pid=$!
}

# Prints the id of the first visible window whose caption matches the
# pattern, waiting up to $2 tenths of a second (default 150: a sanitizer build on a busy
# machine opens a dialog in seconds); fails otherwise.
wait_for_window() {
  local pattern=$1 tries=${2:-150} id=""
  for _ in $(seq "$tries"); do
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended while waiting for '$pattern'"
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window '$pattern'"
}

# Prints the id of the main window: the visible "Kaldoventri" window that is
# not the 448 x 251 splash screen, waiting up to 30 s.
wait_for_main_window() {
  local id
  for _ in $(seq 300); do
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended during start-up"
    for id in $(xdotool search --onlyvisible --name '^Kaldoventri$' 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$id")"
      if [ "$WIDTH" != 448 ] || [ "$HEIGHT" != 251 ]; then echo "$id"; return 0; fi
    done
    sleep 0.1
  done
  fail "no main window within 30 s"
}

# Clicks at a point given relative to a window's top left corner.
click_in() {
  local id=$1 dx=$2 dy=$3
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $(( X + dx )) $(( Y + dy )) click 1
}

# Clicks the test entry dialog's "OK" (it has no default button, so Enter
# does not close it): at the right, a fixed distance above the dialog's foot,
# however tall its groups make it.
click_ok() {
  local id=$1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  click_in "$id" $(( 1279 + 37 )) $(( HEIGHT - 64 ))
}

# A new test's file ends with its date, today's unless the user changed it.
date_line() { printf 'Provdatum,%s\r\n' "$(date +%F)"; }

# Types a whole test into the test entry dialog, which has the focus in its
# first field: the six description texts and a peaked pattern of 26 amounts.
type_peaked_test() {
  xdotool type --delay 20 "Bogballe"
  xdotool key Tab; xdotool type --delay 20 "M2W"
  xdotool key Tab; xdotool type --delay 20 "34"
  xdotool key Tab; xdotool type --delay 20 "NS27"
  xdotool key Tab; xdotool type --delay 20 "Yara"
  xdotool key Tab; xdotool type --delay 20 "Glomfjord"
  local amount
  for amount in 6 13 21 29 37 44 52 60 67 75 83 87 98 98 87 83 75 67 60 52 44 37 29 21 13 6; do
    xdotool key Tab; xdotool type --delay 20 "$amount"
  done
}

screenshot() { import -window root "$out/$1.png"; }
