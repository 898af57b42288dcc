#!/usr/bin/env bash
# A pupil's first answer in expr-solve-2 on a bare X server (Xvfb, no window
# manager), driven through the server only: real clicks on the navigation
# buttons and the "O  K" buttons, real key presses, screenshots of the root
# window.  It checks what the headless harness cannot see: a click while a
# page animates reaches the program and leaves the page, the answer bar shown
# over the entry bar lies above it, a navigation button's tool tip shows
# while the pointer rests on it though the answer field keeps the focus,
# typed keys reach the focused field.
#
#   answer_on_bare_x.sh PROGRAM COURSE_LAYOUT ROOT_COLOURS WORK_FOLDER
#
# WORK_FOLDER is laid anew; the screenshots stay there (start.png,
# praise.png, and last.png of the last look at the screen).
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 PROGRAM COURSE_LAYOUT ROOT_COLOURS WORK_FOLDER" >&2; exit 2; }
program=$(realpath "$1") layout=$(realpath "$2") root_colours=$(realpath "$3") work=$4
source "$(dirname "$0")/bare_x.sh"
readonly BEFOR_BUTTON="138 456"                # the one with a tool tip
readonly ENTRY_BAR_WORD="200,415,40,22"        # "から" on the entry bar only
readonly PRAISE_CELLS="0,292,120,20"           # where the praise stands
readonly PRAISE_ROW_REST="120,292,510,20"      # the rest of its rows
readonly PINK=FF80FF LIGHT_GREEN=80FF80 DARK_GREEN=008000 RED=FF0000 BAR_GREY=C0C0C0
start_program

# --- contents page, page 1 left while it animates, start page 2 from problem 1 -
wait_for 20 shows_all "$CANVAS_PATCH" $YELLOW || fail "the contents page did not appear"
cp "$work/last.png" "$work/start.png"
click "$NEXT_BUTTON"
wait_for 10 shows_all "$CANVAS_PATCH" $PINK || fail "page 1's start-from dialog did not appear"
type_keys 1
click "$BAR_OK_BUTTON"
wait_for 10 shows_all "$CANVAS_PATCH" $DARK_GREEN || fail "page 1 did not start"
sleep 1   # well inside the page's first pauses, which last a minute together
click "$NEXT_BUTTON"
wait_for 10 shows_all "$CANVAS_PATCH" $LIGHT_GREEN ||
  fail "page 2's start-from dialog did not appear (a click while page 1 animates must leave it)"
type_keys 1
click "$BAR_OK_BUTTON"
wait_for 10 shows_all "$CANVAS_PATCH" $DARK_GREEN || fail "problem 1 of page 2 did not appear"
wait_for 5 shows_all "$ENTRY_BAR_WORD" $BAR_GREY || fail "the entry bar still lies over the answer bar"
# Looks at the praise rows: the red of the praise, and the dark green and the
# red in the rest of its rows, on one screen.
praised() {
  read -r praise_red rest_green rest_red < <(look "$PRAISE_CELLS=$RED" \
    "$PRAISE_ROW_REST=$DARK_GREEN" "$PRAISE_ROW_REST=$RED" | paste -s -d' ')
  [ "$praise_red" -gt 100 ]
}
! praised || fail "the praise stands there before any answer"

# --- the tool tip of 前ページ, the focus staying in the answer field ------------
# The program's shown windows, one id a line.
windows_shown() { xdotool search --onlyvisible --classname "$(basename "$program")" | sort; }
# The window that holds the keyboard focus, as "X,Y".
focus_place() {
  local X Y
  eval "$(xdotool getwindowfocus getwindowgeometry --shell 2>/dev/null | grep -E '^[XY]=')"
  echo "${X:-},${Y:-}"
}
# A window of the program that was not shown before, just below and right of
# the pointer (the tip's place), with the ink of its text in it.
tip_shown() {
  local tip X Y WIDTH HEIGHT
  tip=$(comm -13 <(echo "$windows_before") <(windows_shown) | head -n 1)
  [ -n "$tip" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$tip" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  tip_area="$X,$Y,$WIDTH,$HEIGHT"
  [ $((X - ${BEFOR_BUTTON% *})) -ge 0 ] && [ $((X - ${BEFOR_BUTTON% *})) -le 40 ] &&
    [ $((Y - ${BEFOR_BUTTON#* })) -ge 0 ] && [ $((Y - ${BEFOR_BUTTON#* })) -le 40 ] || return 1
  # "前のページへ": six characters of black ink on the tip
  [ "$(look "$tip_area=000000")" -ge 60 ]
}
tip_gone() { [ -z "$(comm -13 <(echo "$windows_before") <(windows_shown))" ]; }
[ "$(focus_place)" = "0,414" ] || fail "the answer bar does not hold the focus (the focus is at $(focus_place))"
windows_before=$(windows_shown)
xdotool mousemove $BEFOR_BUTTON sleep 0.1 mousemove_relative 1 1
wait_for 5 tip_shown || fail "no tool tip while the pointer rests on 前ページ${tip_area:+ (a window at $tip_area)}"
cp "$work/last.png" "$work/tip.png"
[ "$(focus_place)" = "0,414" ] || fail "showing the tool tip took the focus from the answer bar"
xdotool mousemove $OFF_THE_WINDOWS
wait_for 5 tip_gone || fail "the tool tip stays when the pointer leaves the button"

# --- the right answer, and the praise in red where it belongs -----------------
type_keys 54
click "$BAR_OK_BUTTON"
wait_for 10 praised || fail "no praise after the answer 54 (typed keys or the OK click missed the answer bar)"
cp "$work/last.png" "$work/praise.png"
[ "$rest_green" -eq "$(area_of "$PRAISE_ROW_REST")" ] && [ "$rest_red" -eq 0 ] ||
  fail "the praise rows hold more than the praise ($rest_green dark green, $rest_red red)"

# --- leave the unit: the pass is kept and the launcher started -----------------
celebrated() { ! praised; }
wait_for 10 celebrated || fail "the celebration did not end"
click "$EXIT_BUTTON"
wait_for 10 ended || fail "the program did not end after exit"
program_pid=""
expected="$work/expected.DAT"
printf '8,8,6,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n' >"$expected"
cmp "$record" "$expected" || fail "the progress record is not the one expected: $(od -c "$record")"
wait_for 5 test -s "$launcher_log" || fail "the launcher stand-in was not started"
echo "PASS: the answer bar took the answer on a bare X server"
