# shellcheck shell=bash
# Sourced by the set-up scripts: installs the Debian packages the project
# needs, only those still missing, without asking.

# Building and running the program.
RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev libfontconfig-dev qt6-translations-l10n fonts-liberation)
# Everything the tests, fuzzing, benchmarks, real-window checks and packaging use.
TEST_PACKAGES=("${RUN_PACKAGES[@]}" libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xdotool xclip x11-utils imagemagick jq shellcheck clang-format desktop-file-utils appstream dpkg-dev file
  libx11-dev libxdamage-dev libxfixes-dev
  # The Windows program: the cross compiler, GoogleTest's sources, Wine,
  # and wixl and msitools for its installer.
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64 wixl msitools)
# The web page: the calculation for WebAssembly (clang 14, wasm32-wasi) and
# its browser tests in Debian's Chromium, Firefox ESR and WebKitGTK
# (WebKitWebDriver and MiniBrowser, on Xvfb). Node.js and npm come from
# Debian only where no node is installed yet (see ensure_node).
WEB_PACKAGES=(clang-14 lld-14 llvm-14 wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32 libclang-rt-14-dev-wasm32
  chromium firefox-esr webkit2gtk-driver xvfb)
TEST_PACKAGES+=("${WEB_PACKAGES[@]}")

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

# Node.js and npm for the web page's build and browser test: Debian's, unless
# a node is on the PATH already.
ensure_node() {
  command -v node >/dev/null && command -v npm >/dev/null && return 0
  ensure_packages nodejs npm
}

# The npm packages of the browser tests, the benchmarks and the style check
# (puppeteer-core, selenium-webdriver, axe-core, ESLint), exactly as
# package-lock.json pins them; reinstalled only when the lock changed.
ensure_node_modules() {
  ensure_node
  local stamp=node_modules/.package-lock.json
  [ -f "$stamp" ] && [ "$stamp" -nt package-lock.json ] && return 0
  # No browser or driver is downloaded: the tests use Debian's.
  PUPPETEER_SKIP_DOWNLOAD=1 PUPPETEER_SKIP_CHROME_DOWNLOAD=1 PUPPETEER_SKIP_CHROME_HEADLESS_SHELL_DOWNLOAD=1 \
    SE_OFFLINE=true npm ci --no-audit --no-fund
}
