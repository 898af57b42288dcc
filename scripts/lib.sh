# Shared steps of the set-up scripts: install what is missing, configure, build.
# Sourced by scripts/play, scripts/test and scripts/course.

COURSE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
COURSE_BUILD="${COURSE_BUILD:-$COURSE_ROOT/build}"

# Debian packages the course needs to build, test and play.
COURSE_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  libgtest-dev libbenchmark-dev
  fonts-ipafont-mincho fonts-ipafont-gothic
  espeak-ng
  xvfb xdotool
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

# Configures and builds into $COURSE_BUILD; further arguments go to cmake's
# configuration (-DCOURSE_SANITIZE=ON, for instance).  Warnings are errors
# under CI; elsewhere the folder keeps what it was configured with, so that
# playing after a CI run does not rebuild everything.
course_build() {
  local werror=()
  [ "${CI:-}" = "true" ] && werror=(-DCOURSE_WERROR=ON)
  cmake -S "$COURSE_ROOT" -B "$COURSE_BUILD" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo "${werror[@]}" "$@" >/dev/null
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
