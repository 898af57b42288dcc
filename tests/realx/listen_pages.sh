#!/usr/bin/env bash
# Plays explanation pages of a unit as a pupil hears them and tells how much
# of each narration was heard: the built program on a bare X server (Xvfb, no
# window manager) and a PulseAudio daemon of its own whose speakers are a
# pipe it writes into in real time (a pipe sink, which never takes back what
# it has written); each page started from paragraph 1 with real clicks (ここは
# どこ, the page, "O  K", 1, "O  K"), the pipe read as it plays from before
# the page starts until its last narration has ended (record-speakers), the
# server's stream events logged with the time each was seen.  The server's
# words are read in the C locale.  Before each page the page's
# first sound is played by paplay, which hands the server the whole file at
# once: the reference that ties the events to the recording.
#
#   listen_pages.sh PROGRAMS TOOLS WORK_FOLDER [--least PERCENT] UNIT [PAGE...]
#
# PROGRAMS is the folder of the built unit programs, TOOLS that of the
# tools (course-layout, root-colours, heard, record-speakers).  Without PAGE every
# explanation page of UNIT is played.  WORK_FOLDER is laid anew and keeps
# each page's recording (pageN.wav), events and report (pageN.txt).  With
# --least, the exit status is 1 when a page is heard less than PERCENT of
# its voiced time, or a narration less than PERCENT minus ten.
set -euo pipefail
usage="usage: $0 PROGRAMS TOOLS WORK_FOLDER [--least PERCENT] UNIT [PAGE...]"
[ $# -ge 4 ] || { echo "$usage" >&2; exit 2; }
programs=$(realpath "$1") tools=$(realpath "$2") work=$3
shift 3
least=""
if [ "$1" = "--least" ]; then least=$2; shift 2; fi
unit=$1
shift
program="$programs/$unit" layout="$tools/course-layout" root_colours="$tools/root-colours"
[ -x "$program" ] || { echo "no built program $program" >&2; exit 2; }
source "$(dirname "$0")/listening.sh"
source "$(dirname "$0")/bare_x.sh"
start_sound_server

# Every explanation page of the unit: those whose canvas is 640 x 434.
traces="$(dirname "$0")/../units/$unit/traces"
pages=("$@")
if [ ${#pages[@]} -eq 0 ]; then
  for trace in "$traces"/page*.trace; do
    grep -q '^MAINFORM window shown .* 640x434$' "$trace" && pages+=("$(basename "$trace" .trace | tr -dc 0-9)")
  done
fi
[ ${#pages[@]} -gt 0 ] || fail "$unit has no explanation page"

start_program
wait_for 20 shows_all "$CANVAS_PATCH" FFFF00 || fail "the contents page did not appear"

status=0
for page in "${pages[@]}"; do
  first_sound=$(first_sound_of "$page")
  [ -n "$first_sound" ] || fail "page $page of $unit plays no sound"
  length=$("$heard" "$unit" "$page")
  log_events "$work/page$page.events"
  record "$work/page$page.wav"
  paplay "$folder/$first_sound"
  sleep 0.5
  start_page "$page"
  sleep "$length"
  stop_listening
  "$heard" "$unit" "$page" "$work/page$page.wav" "$work/page$page.events" | tee "$work/page$page.txt"
  if [ -n "$least" ]; then
    share=$(tail -n 1 "$work/page$page.txt" | grep -o 'seconds, [0-9.]* %' | tr -dc 0-9.)
    awk -v s="$share" -v l="$least" 'BEGIN { exit !(s >= l) }' ||
      { echo "FAIL: $unit page $page heard $share %, less than $least %" >&2; status=1; }
    lowest=$(tail -n 1 "$work/page$page.txt" | grep -o 'lowest [0-9.]* %' | tr -dc 0-9.)
    awk -v s="$lowest" -v l="$least" 'BEGIN { exit !(s >= l - 10) }' ||
      { echo "FAIL: a narration of $unit page $page heard only $lowest %" >&2; status=1; }
  fi
done
exit $status
