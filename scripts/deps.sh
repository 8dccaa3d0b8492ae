# Debian packages the build, the tests and the program need; sourced by run.sh and test.sh.
QUARNEL_PACKAGES=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-translations-l10n libgl-dev
  fonts-wqy-microhei fonts-arphic-ukai
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix googletest wine wine64 nsis
  xvfb xauth x11-utils desktop-file-utils appstream file
)
# Only scripts/screenshots.sh needs these: a virtual display, a window manager for the title bars,
# keyboard input and the screen capture.
QUARNEL_SCREENSHOT_PACKAGES=(xvfb xauth openbox xdotool imagemagick)

# Installs with apt-get only the packages that are not installed yet; apt-get update runs once,
# and only when something is missing.
quarnel_install_deps() {
  local missing=() p
  for p in "${QUARNEL_PACKAGES[@]}" "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}
