#!/usr/bin/env bash
# A sound server of the tests' own on PipeWire: pipewire, WirePlumber and
# pipewire-pulse, headless, with FOLDER for their runtime folder and a D-Bus
# session of their own; its speakers a pipe sink writing into FOLDER/speakers
# (16-bit mono, 48000 Hz) while it plays.  Its PulseAudio socket is
# FOLDER/native once it takes connections with the speakers in place, as
# the PulseAudio daemon's is.  Runs until ended, and ends them all.
#
#   pipewire.sh FOLDER
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 FOLDER" >&2; exit 2; }
folder=$(realpath "$1")
trap 'kill $(jobs -p) 2>/dev/null' EXIT
trap 'exit 0' TERM INT
export HOME="$folder" XDG_RUNTIME_DIR="$folder" PULSE_RUNTIME_PATH="$folder/pulse"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$folder/bus" PULSE_SERVER="unix:$folder/pulse/native"
unset DISPLAY
up() { for _ in $(seq 150); do "$@" && return 0; sleep 0.1; done; echo "pipewire.sh: no $*" >&2; exit 1; }
dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" &
up test -S "$folder/bus"
pipewire &
up test -S "$folder/pipewire-0"
wireplumber &
pipewire-pulse &
up pactl info >/dev/null 2>&1
LC_ALL=C pactl load-module module-pipe-sink file="$folder/speakers" format=s16le rate=48000 channels=1 \
  sink_name=course >/dev/null
up env LC_ALL=C pactl set-default-sink course
ln -s pulse/native "$folder/native"
wait
