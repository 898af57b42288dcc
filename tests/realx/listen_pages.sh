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
heard="$tools/heard" record_speakers="$tools/record-speakers"
[ -x "$program" ] || { echo "no built program $program" >&2; exit 2; }
command -v pulseaudio >/dev/null ||
  { echo "SKIPPED: pulseaudio is not installed (scripts/test installs it); nothing was heard"; exit 77; }
source "$(dirname "$0")/bare_x.sh"
readonly WHERE_BUTTON="314 456" PINK=FF80FF DARK_GREEN=008000
for tool in paplay pactl; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/test installs it)"
done

# --- a sound server of its own, its speakers a pipe ---------------------------
export HOME="$work" XDG_RUNTIME_DIR="$work" PULSE_RUNTIME_PATH="$work"
export PULSE_SERVER="unix:$work/native"
speakers="$work/speakers"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
  -L "module-pipe-sink sink_name=course file=$speakers format=s16le rate=48000 channels=1 use_system_clock_for_timing=yes" \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$work/native" 2>"$work/pulseaudio.log" &
server_pid=$!
also_end $server_pid
wait_for 15 pactl info >/dev/null 2>&1 || fail "pulseaudio did not start: $(cat "$work/pulseaudio.log")"

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

# Logs the server's stream events, each with the time it was seen, in a
# process group of its own.
log_events() {
  setsid bash -c 'LC_ALL=C stdbuf -oL pactl subscribe |
    while IFS= read -r line; do printf "%s %s\n" "$(date +%s.%N)" "$line"; done' >"$1" &
  events_pid=$!
}

# Records the speakers into $1 until stopped; recorder_pid is its process.
record() {
  "$record_speakers" "$speakers" "$1" >"$1.started" &
  recorder_pid=$!
  wait_for 10 grep -q recording "$1.started" || fail "nothing comes out of the speakers' pipe"
}

status=0
for page in "${pages[@]}"; do
  first_sound=$(grep -m1 -o '^sound "open [^ ]*' "$traces/page$page.trace" | cut -d' ' -f3)
  [ -n "$first_sound" ] || fail "page $page of $unit plays no sound"
  length=$("$heard" "$unit" "$page")
  log_events "$work/page$page.events"
  record "$work/page$page.wav"
  paplay "$folder/$first_sound"
  sleep 0.5
  click "$WHERE_BUTTON"
  sleep 1
  type_keys "$page"
  click "$BAR_OK_BUTTON"
  wait_for 10 shows_all "$CANVAS_PATCH" $PINK || fail "page $page's start-from dialog did not appear"
  type_keys 1
  click "$BAR_OK_BUTTON"
  sleep "$length"
  kill -INT "$recorder_pid"
  wait "$recorder_pid" || true
  kill -- -"$events_pid" 2>/dev/null || true
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
