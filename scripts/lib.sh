# Shared steps of the set-up scripts: install what is missing, configure, build.
# Sourced by scripts/play, scripts/test and scripts/course.

COURSE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
COURSE_BUILD="${COURSE_BUILD:-$COURSE_ROOT/build}"

# Debian packages the course needs to build, test and play.
COURSE_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libpulse-dev libgl-dev
  libgtest-dev libbenchmark-dev
  fonts-ipafont-mincho fonts-ipafont-gothic
  open-jtalk open-jtalk-mecab-naist-jdic
  xvfb xdotool pulseaudio pulseaudio-utils
)

# Installs the course's packages and any further ones named.
course_install_missing() {
  local missing=()
  for p in "${COURSE_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "These Debian packages are missing. Install them with:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# The narrator's voice, an HTS voice file of Debian's contrib component.
COURSE_VOICE_PACKAGE=hts-voice-nitech-jp-atr503-m001
COURSE_VOICE_FILE=usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice

# Sets COURSE_VOICE to the voice file: the installed package's, or one
# unpacked into the build folder from the package downloaded there.  The
# download reads Debian's contrib component through a package list of its
# own in the build folder; the machine's apt sources stay as they are.
course_find_voice() {
  COURSE_VOICE="/$COURSE_VOICE_FILE"
  [ -f "$COURSE_VOICE" ] && return 0
  COURSE_VOICE="$COURSE_BUILD/voice/$COURSE_VOICE_FILE"
  [ -f "$COURSE_VOICE" ] && return 0
  echo "Fetching the narrator's voice ($COURSE_VOICE_PACKAGE, Debian contrib) into $COURSE_BUILD/voice"
  if ! course_fetch_voice "$COURSE_BUILD/voice" >"$COURSE_BUILD/voice.log" 2>&1 || [ ! -f "$COURSE_VOICE" ]; then
    echo "The narration needs the voice of the Debian package $COURSE_VOICE_PACKAGE (component contrib)," >&2
    echo "and it could not be downloaded (see $COURSE_BUILD/voice.log). Connect to the network and" >&2
    echo "run this again, or install the package from contrib yourself." >&2
    exit 1
  fi
}

# Downloads the voice package into the folder $1 and unpacks it there.
course_fetch_voice() {
  local dir="$1" apt_dir="$1/apt" mirrors
  rm -rf "$dir"
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial"
  # Debian's own mirrors, as the machine's sources name them, with contrib.
  mirrors=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' \
              'Label: Debian' 'Identifier: Packages' | sort -u)
  [ -n "$mirrors" ] || { echo "no Debian mirror in the apt sources"; return 1; }
  while read -r uri release; do
    echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri $release contrib"
  done <<<"$mirrors" >"$apt_dir/sources.list"
  local apt=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir"
             -o "Dir::Cache::archives=$apt_dir/archives")
  [ "$(id -u)" -eq 0 ] && apt+=(-o APT::Sandbox::User=root)
  apt-get "${apt[@]}" update || return 1
  (cd "$apt_dir" && apt-get "${apt[@]}" download "$COURSE_VOICE_PACKAGE") || return 1
  dpkg-deb -x "$apt_dir"/"$COURSE_VOICE_PACKAGE"_*.deb "$dir"
}

# Configures and builds into $COURSE_BUILD; further arguments go to cmake's
# configuration (-DCOURSE_SANITIZE=ON, for instance).  Warnings are errors
# under CI; elsewhere the folder keeps what it was configured with, so that
# playing after a CI run does not rebuild everything.
course_build() {
  local werror=()
  [ "${CI:-}" = "true" ] && werror=(-DCOURSE_WERROR=ON)
  mkdir -p "$COURSE_BUILD"
  course_find_voice
  cmake -S "$COURSE_ROOT" -B "$COURSE_BUILD" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCOURSE_VOICE=$COURSE_VOICE" "${werror[@]}" "$@" >/dev/null
  cmake --build "$COURSE_BUILD" --parallel "$(nproc)"
}

# What the sanitizers report and stop at: any error or leak is fatal, with a
# stack, but for the leaks of system libraries listed in
# tests/sanitizer_leaks.supp.
course_sanitizer_options() {
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$COURSE_ROOT/tests/sanitizer_leaks.supp:print_suppressions=0"
}
