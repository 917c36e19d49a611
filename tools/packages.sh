# Sourced by the set-up scripts: installs the Debian packages the project
# needs, only those still missing, without asking.

# Building and running the program.
RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev libfontconfig-dev qt6-translations-l10n fonts-liberation)
# Everything the tests, fuzzing, benchmarks, real-window checks and packaging use.
TEST_PACKAGES=("${RUN_PACKAGES[@]}" libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xdotool xclip x11-utils imagemagick desktop-file-utils appstream dpkg-dev file
  libx11-dev libxdamage-dev libxfixes-dev
  # The Windows program: the cross compiler, GoogleTest's sources, Wine.
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64)

ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
