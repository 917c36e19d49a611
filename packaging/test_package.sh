#!/usr/bin/env bash
# The program as a grower gets it: validates the desktop entry and the
# AppStream metadata, builds the Debian package, installs it with apt-get,
# starts the installed program in a real X window, clicks "Salir", checks
# the exit status, and removes the package again. Needs root.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/xvfb.sh
source tools/window_driver.sh

cmake --preset release >/dev/null
cmake --build --preset release
# The tests' view of the window, from the build with tests of the same sources.
load_description build/ci/tests/form.json
desktop-file-validate packaging/org.rurorovirora.Rurorovirora.desktop
appstreamcli validate --no-net build/release/packaging/org.rurorovirora.Rurorovirora.metainfo.xml

rm -f build/package/*.deb
cpack --preset release
deb=$(ls build/package/rurorovirora_*.deb)
echo "Package: $deb ($(stat -c %s "$deb") bytes)"
dpkg-deb -f "$deb" Version Depends Installed-Size

cleanup() {
  [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null
  stop_xvfb
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq rurorovirora >/dev/null 2>&1 || true
}
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
[ -x /usr/bin/rurorovirora ] || drive_fail "not installed at /usr/bin/rurorovirora"
desktop-file-validate /usr/share/applications/org.rurorovirora.Rurorovirora.desktop

start_xvfb 1024x768
launch_program /usr/bin/rurorovirora
quit_and_check_status
echo "installed program: window shown, Salir ended it with status 0"
echo "1 passed, 0 failed"
