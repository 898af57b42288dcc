# Shared steps of the real-X tests, sourced by each: a course folder and a
# fresh X server with no window manager in WORK_FOLDER, the unit expr-solve-2
# started on it, and ways to wait for and look at its screen.
#
# The sourcing script sets program, layout, root_colours and work first, and
# unit when it starts another unit than expr-solve-2.

# Screen places: the canvas lies at (0,22), the bars at (0,414), the
# navigation bar at (0,440).
readonly NEXT_BUTTON="226 456" EXIT_BUTTON="578 456" BAR_OK_BUTTON="360 425"
readonly OFF_THE_WINDOWS="816 576"             # bare root window
readonly CANVAS_PATCH="300,370,40,20"          # below every page's text
readonly YELLOW=FFFF00

for tool in Xvfb xdotool iconv; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/test installs it)" >&2; exit 1; }
done

rm -rf "$work"
mkdir -p "$work/course"
xvfb_pid="" program_pid="" others=""
# Another process of the test's, ended with it.
also_end() { others="$others $1"; }
finish() {
  local pid
  for pid in $program_pid $others $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap finish EXIT
fail() {
  echo "FAIL: $*" >&2
  echo "  the last screen: $work/last.png; the program said:" >&2
  cat "$work/program.log" >&2 2>/dev/null || true
  exit 1
}

# wait_for SECONDS CHECK...: polls until CHECK succeeds, for at most SECONDS.
wait_for() {
  local seconds=$1; shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Counts of the colours asked, one a line (see root_colours.cpp).
look() { "$root_colours" "$work/last.png" "$@"; }
area_of() { local IFS=,; set -- $1; echo $(($3 * $4)); }
# The whole area is of that colour.
shows_all() { [ "$(look "$1=$2")" -eq "$(area_of "$1")" ]; }

click() { xdotool mousemove $1 click 1; }
# Keys go where the program put the focus: the pointer rests on no window.
type_keys() { xdotool mousemove $OFF_THE_WINDOWS type "$1"; }

# --- a course folder and a fresh X server with no window manager -------------
"$layout" "$work/course" >/dev/null
folder="$(awk -F'\t' -v unit="${unit:-expr-solve-2}" '$1 == unit { print $2 }' "$work/course/units.txt")"
record="$work/course/drive_c/DI1/ES2.DAT"
launcher_log="$work/course/drive_c/SANSU/launcher.log"

Xvfb -displayfd 3 -screen 0 820x580x24 -br -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"

# Starts the unit in its folder; program_pid is its process.
start_program() {
  (cd "$folder" && QT_QPA_PLATFORM=xcb exec "$program") >>"$work/program.log" 2>&1 &
  program_pid=$!
}
ended() { ! kill -0 "$program_pid" 2>/dev/null; }
# Closes a box with Enter, where the program put the focus, and checks
# that the program ended with its error status, the record as it was and no
# launcher started.
close_box_and_check() {
  local status=0
  xdotool mousemove $OFF_THE_WINDOWS key Return
  wait_for 10 ended || fail "the program did not end when Enter closed the box ($1)"
  wait "$program_pid" || status=$?
  program_pid=""
  [ "$status" -eq 1 ] || fail "the program ended with status $status, not 1 ($1)"
  cmp -s "$record" "$work/saved.DAT" || fail "the record was changed ($1): $(od -c "$record" | head -n 3)"
  [ ! -e "$launcher_log" ] || fail "the launcher was started ($1)"
}
