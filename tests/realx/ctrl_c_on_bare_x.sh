#!/usr/bin/env bash
# Ctrl+C in expr-solve-2 on a bare X server (Xvfb, no window manager), typed
# through the server: in the start-from dialog's field it is the field's own
# and the unit goes on; on the page canvas, after a click on it, it stops the
# unit while it waits for the pupil, its box coming by itself within 0.2 s.
# Closing the box with Enter ends the program with status 1, the record as
# it was and no launcher started.
#
#   ctrl_c_on_bare_x.sh PROGRAM COURSE_LAYOUT ROOT_COLOURS WORK_FOLDER
#
# WORK_FOLDER is laid anew; the screenshot of the box stays there (stop.png).
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 PROGRAM COURSE_LAYOUT ROOT_COLOURS WORK_FOLDER" >&2; exit 2; }
program=$(realpath "$1") layout=$(realpath "$2") root_colours=$(realpath "$3") work=$4
source "$(dirname "$0")/bare_x.sh"
readonly STOP_TITLE='^expr-solve-2\.EXE$'
readonly CANVAS_SPOT="320 300"                 # on the canvas, clear of every bar
readonly PINK=FF80FF
readonly BOX_WITHIN_MS=200

box_shown() { xdotool search --onlyvisible --name "$STOP_TITLE" >/dev/null 2>&1; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

start_program
wait_for 20 shows_all "$CANVAS_PATCH" $YELLOW || fail "the contents page did not appear"
cp "$record" "$work/saved.DAT"

# --- in the start-from dialog's field: the field's own ---------------------------
click "$NEXT_BUTTON"
wait_for 10 shows_all "$CANVAS_PATCH" $PINK || fail "page 1's start-from dialog did not appear"
type_keys 1
xdotool key ctrl+c ctrl+a ctrl+c
sleep 1
! box_shown && ! ended || fail "Ctrl+C in the start-from dialog's field stopped the unit"

# --- on the canvas while the unit waits: the box at once, by itself --------------
click "$CANVAS_SPOT"
xdotool mousemove $OFF_THE_WINDOWS
sleep 0.5
typed=$(now_ms)
xdotool key ctrl+c
until box_shown; do
  [ $(($(now_ms) - typed)) -lt 5000 ] || fail "no stop box 5 s after Ctrl+C on the canvas"
done
took=$(($(now_ms) - typed))
look >/dev/null
cp "$work/last.png" "$work/stop.png"
[ "$took" -le "$BOX_WITHIN_MS" ] || fail "the stop box came $took ms after Ctrl+C, not within $BOX_WITHIN_MS ms"

close_box_and_check "the stop box"
echo "PASS: Ctrl+C was the field's own in the field; on the canvas its box came by itself in $took ms"
