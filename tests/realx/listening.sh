# Shared steps of the listening scripts (listen_pages.sh, stall_page.sh),
# sourced before bare_x.sh: a PulseAudio daemon of the script's own whose
# speakers are a pipe it writes into in real time (a pipe sink, which never
# takes back what it has written), its stream events logged, its speakers
# recorded as they play, and an explanation page started from paragraph 1
# with real clicks.  The server's words are read in the C locale.  With
# COURSE_SOUND_SERVER=pipewire the server is PipeWire's PulseAudio service
# (tests/sound_server/pipewire.sh), its pipe sink written only while it plays.
#
# The sourcing script sets tools and work first.

server_program=pulseaudio
[ "${COURSE_SOUND_SERVER:-}" = pipewire ] && server_program=pipewire-pulse
command -v $server_program >/dev/null ||
  { echo "SKIPPED: $server_program is not installed (scripts/test installs pulseaudio); nothing was heard"; exit 77; }
for tool in paplay pactl; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/test installs it)" >&2; exit 1; }
done
heard="$tools/heard" record_speakers="$tools/record-speakers"
readonly WHERE_BUTTON="314 456" PINK=FF80FF

# Starts the daemon; server_pid is its process.
start_sound_server() {
  export HOME="$work" XDG_RUNTIME_DIR="$work" PULSE_RUNTIME_PATH="$work"
  export PULSE_SERVER="unix:$work/native"
  speakers="$work/speakers"
  if [ $server_program = pipewire-pulse ]; then
    bash "$(dirname "${BASH_SOURCE[0]}")/../sound_server/pipewire.sh" "$work" 2>"$work/pipewire.log" &
    server_pid=$!
    also_end $server_pid
    wait_for 20 test -S "$work/native" || fail "pipewire did not start: $(cat "$work/pipewire.log")"
    return
  fi
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
    -L "module-pipe-sink sink_name=course file=$speakers format=s16le rate=48000 channels=1 use_system_clock_for_timing=yes" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$work/native" 2>"$work/pulseaudio.log" &
  server_pid=$!
  also_end $server_pid
  wait_for 15 pactl info >/dev/null 2>&1 || fail "pulseaudio did not start: $(cat "$work/pulseaudio.log")"
}

# Logs the server's stream events into $1, each with the time it was seen, in
# a process group of its own (events_pid); returns once the log tells of a
# change made to the speakers, so that no stream after it goes unseen.
log_events() {
  setsid bash -c 'LC_ALL=C stdbuf -oL pactl subscribe |
    while IFS= read -r line; do printf "%s %s\n" "$(date +%s.%N)" "$line"; done' >"$1" &
  events_pid=$!
  wait_for 10 tells_of_a_change "$1" || fail "the server's events cannot be read"
}
tells_of_a_change() {
  LC_ALL=C pactl set-sink-mute course 1 && LC_ALL=C pactl set-sink-mute course 0 &&
    grep -q "Event 'change' on sink #" "$1"
}

# Records the speakers into $1 until stop_listening; recorder_pid is its process.
record() {
  "$record_speakers" "$speakers" "$1" >"$1.started" &
  recorder_pid=$!
  wait_for 10 grep -q recording "$1.started" || fail "the speakers' pipe cannot be read"
}

stop_listening() {
  kill -INT "$recorder_pid"
  wait "$recorder_pid" || true
  kill -- -"$events_pid" 2>/dev/null || true
}

# The first sound page $1 opens.
first_sound_of() {
  grep -m1 -o '^sound "open [^ ]*' "$(dirname "${BASH_SOURCE[0]}")/../units/$unit/traces/page$1.trace" | cut -d' ' -f3
}

# Opens page $1 from the contents page and starts it from paragraph 1: ここは
# どこ, the page, "O  K", 1, "O  K".
start_page() {
  click "$WHERE_BUTTON"
  sleep 1
  type_keys "$1"
  click "$BAR_OK_BUTTON"
  wait_for 10 shows_all "$CANVAS_PATCH" $PINK || fail "page $1's start-from dialog did not appear"
  type_keys 1
  click "$BAR_OK_BUTTON"
}
