#!/usr/bin/env bash
# A progress record of expr-solve-2 that a person saved as UTF-16, on a bare
# X server (Xvfb, no window manager): the program refuses it at start-up
# with the run-time error box of a damaged record (error 62), ends once Enter
# closes the box, and leaves the file byte for byte, starting no launcher.
# The same at "exit" for a record saved so while the unit runs, and for one
# cut short to its first eight flags meanwhile.
#
#   foreign_record_on_bare_x.sh PROGRAM COURSE_LAYOUT ROOT_COLOURS WORK_FOLDER
#
# WORK_FOLDER is laid anew; the screenshots of the boxes stay there
# (at-start.png, at-exit.png, at-exit-cut-short.png).
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 PROGRAM COURSE_LAYOUT ROOT_COLOURS WORK_FOLDER" >&2; exit 2; }
program=$(realpath "$1") layout=$(realpath "$2") root_colours=$(realpath "$3") work=$4
source "$(dirname "$0")/bare_x.sh"
readonly ERROR_TITLE='^expr-solve-2\.EXE$'

ten_passes() { printf '8,8,6,1,1,1,1,0,0,0,0,1,1,0,0,0,0,0,1\r\n1,1,0,0,0,1\r\n'; }
# The record as an editor saves it in UTF-16 (little-endian, with its mark).
save_as_utf16() { { printf '\xff\xfe'; ten_passes | iconv -f ASCII -t UTF-16LE; } >"$record"; }

# The error box on screen: a window of its own, titled with the program's
# name, its screenshot in $1.
box_shown() {
  xdotool search --onlyvisible --name "$ERROR_TITLE" >/dev/null 2>&1 || return 1
  look >/dev/null
  cp "$work/last.png" "$work/$1"
}

# --- refused at start-up ------------------------------------------------------
save_as_utf16
cp "$record" "$work/saved.DAT"
start_program
wait_for 20 box_shown at-start.png || fail "no error box for a record saved as UTF-16"
close_box_and_check "at start-up"

# --- saved so while the unit runs: kept at exit ---------------------------------
ten_passes >"$record"
start_program
wait_for 20 shows_all "$CANVAS_PATCH" $YELLOW || fail "the contents page did not appear for the record as written"
save_as_utf16
cp "$record" "$work/saved.DAT"
click "$EXIT_BUTTON"
wait_for 10 box_shown at-exit.png || fail "no error box at exit over a record saved as UTF-16"
close_box_and_check "at exit"

# --- cut short while the unit runs: kept at exit ---------------------------------
ten_passes >"$record"
start_program
wait_for 20 shows_all "$CANVAS_PATCH" $YELLOW || fail "the contents page did not appear for the record as written"
printf '8,8,6,1,1,1,1,1,1,1,1' >"$record"
cp "$record" "$work/saved.DAT"
click "$EXIT_BUTTON"
wait_for 10 box_shown at-exit-cut-short.png || fail "no error box at exit over a record cut short"
close_box_and_check "at exit, cut short"
echo "PASS: a record saved as UTF-16 was refused and kept, at start-up and at exit; one cut short, at exit"
