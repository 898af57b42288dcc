#!/usr/bin/env bash
# What a pupil hears when the sound server stalls: expr-build page 1 played
# as listen_pages.sh plays it (bare X, a sound server of its own whose
# speakers are a pipe, the page started from paragraph 1 with real clicks),
# the server stopped (SIGSTOP) and continued (SIGCONT) as MODE says:
#
#   healthy   never stopped
#   SECONDS   stopped for SECONDS from half a second before the page closes
#             its second narration, across that close and the next one's play
#   before    stopped before the unit starts, continued 15 s after the page's
#             start
#
#   stall_page.sh PROGRAMS TOOLS WORK_FOLDER MODE
#
# Prints one line: when the page's end appeared (its screen's last change,
# from the click that starts the page), how far behind its trace the page's
# last narration started (heard's drift), the narrations never heard, those
# heard after their close, how many of the narrations played after the
# server was back were heard (at least 90 % of what their slots allow) of
# how many, and the streams of the program left on the server once the page
# has ended.  WORK_FOLDER keeps the recording, events and heard's report.
set -euo pipefail
usage="usage: $0 PROGRAMS TOOLS WORK_FOLDER healthy|SECONDS|before"
[ $# -eq 4 ] || { echo "$usage" >&2; exit 2; }
programs=$(realpath "$1") tools=$(realpath "$2") work=$3 mode=$4
[[ "$mode" =~ ^(healthy|before|[0-9]+)$ ]] || { echo "$usage" >&2; exit 2; }
unit=expr-build page=1
program="$programs/$unit" layout="$tools/course-layout" root_colours="$tools/root-colours"
[ -x "$program" ] || { echo "no built program $program" >&2; exit 2; }
source "$(dirname "$0")/listening.sh"
source "$(dirname "$0")/bare_x.sh"
# The page's second narration has a slot of 3.2 s.
readonly STOP_AFTER_SECOND=2.7 BACK_AFTER_START=15
start_sound_server
now() { date +%s.%N; }

# The time of each change of the screen, one a line, until killed.
watch_screen() {
  local last="" sum
  while :; do
    "$root_colours" "$work/watched.png" >/dev/null 2>&1 || continue
    sum=$(md5sum <"$work/watched.png")
    [ "$sum" = "$last" ] || { now; last=$sum; }
  done
}
streams_at_least() { [ "$(grep -c "Event 'new' on sink-input" "$work/events")" -ge "$1" ]; }

log_events "$work/events"
record "$work/page.wav"
paplay "$folder/$(first_sound_of $page)"
[ "$mode" = before ] && kill -STOP "$server_pid"
start_program
wait_for 30 shows_all "$CANVAS_PATCH" FFFF00 || fail "the contents page did not appear"
start_page $page
started=$(now)
watch_screen >"$work/screen" &
watcher=$!
also_end $watcher
back=""
case "$mode" in
  before)
    sleep $BACK_AFTER_START
    back=$(now); kill -CONT "$server_pid" ;;
  healthy) ;;
  *)
    wait_for 30 streams_at_least 3 || fail "the page's second narration was never played"
    sleep $STOP_AFTER_SECOND
    kill -STOP "$server_pid"; sleep "$mode"
    back=$(now); kill -CONT "$server_pid" ;;
esac
length=$("$heard" $unit $page)
sleep "$(awk -v l="$length" -v s="$started" -v n="$(now)" -v m="$mode" \
  'BEGIN { w = s + l + (m ~ /^[0-9]+$/ ? m : 0) + 12 - n; print (w > 0 ? w : 0) }')"
kill "$watcher"
listing=$(LC_ALL=C pactl --format=json list sink-inputs) || fail "the server's streams could not be listed"
left=$(grep -o '"application.process.id":"[0-9]*"' <<<"$listing" | grep -c "\"$program_pid\"" || true)
stop_listening
"$heard" $unit $page "$work/page.wav" "$work/events" >"$work/heard.txt"

# From the page's first narration's stream to the server's being back.
first=$(grep -m2 "Event 'new' on sink-input" "$work/events" | tail -n 1 | cut -d' ' -f1)
awk -v mode="$mode" -v started="$started" -v back="$back" -v first="$first" -v left="$left" \
    -v ended="$(tail -n 1 "$work/screen")" '
  /^  SOUND/ {
    name = $1; share = $11; at = $18
    if ($14 == "unheard") unheard = unheard " " name
    else if (back != "" && at + first > back + 0.3) { after++; if (share >= 90) heard++ }
  }
  /^  heard after its close:/ { sub(/^  heard after its close: */, ""); closed = $0 }
  / drift / { drift = $(NF - 5) }
  END {
    printf "%-8s  end %6.2f s  drift %s s  never heard:%s  heard after its close: %s  after the server was back: %d of %d heard  streams left: %d\n",
      mode, ended - started, drift, (unheard == "" ? " none" : unheard), closed, heard, after, left
  }' "$work/heard.txt"
