# Debian packages of the build, the program and the tests; sourced by run.sh, test.sh and the
# scripts under scripts/ and bench/.
# Building and running the Linux program (run.sh): the compiler, Qt 6 with its Chinese texts, and
# the fonts of the window.
QUARNEL_RUN_PACKAGES=(
  cmake g++ make
  qt6-base-dev qt6-translations-l10n libgl-dev
  fonts-wqy-microhei fonts-arphic-ukai
)
# Everything test.sh needs besides: the test and benchmark libraries, clang for the fuzz targets,
# the Windows cross compiler, Wine and NSIS, the virtual display, the package checks (lintian,
# the menu entry's and AppStream's validators and AppStream's catalog builder, icoutils for the
# Windows icon), the Chinese locale's sources, from which quarnel-batch's test makes the locale of a
# Chinese Windows for Wine, and what the calculation document is printed and read with (Chromium,
# poppler, LibreOffice Writer, the Noto CJK fonts, unzip for the .docx).
QUARNEL_TEST_PACKAGES=(
  pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix googletest wine wine64 nsis
  xvfb xauth x11-utils desktop-file-utils lintian appstream appstream-compose file locales icoutils
  chromium poppler-utils libreoffice-writer-nogui fonts-noto-cjk unzip
)
# Only scripts/screenshots.sh needs these: a virtual display, a window manager for the title bars,
# keyboard input and the screen capture.
QUARNEL_SCREENSHOT_PACKAGES=(xvfb xauth openbox xdotool imagemagick)

# Installs with apt-get those of the packages named that are not installed yet; apt-get update
# runs once, and only when something is missing.
quarnel_install_deps() {
  local missing=() p
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}
