#!/usr/bin/env bash
# The Windows installer under Wine, in a private prefix and a real X window
# (Xvfb): it asks for no administrator; installed without questions it puts
# the program (the built .exe, byte for byte) in the user's programs folder,
# and nothing outside the user's profile but the installer's own copy; the
# shortcut "Cálculo de Rurorovirora" in the Start menu points at it with its
# icon; the installed programs list it with its version; the shortcut starts
# the program and its window shows; removing it leaves no file, shortcut or
# registry key behind; a rebuilt package of the same version replaces the
# installed one.
#   msi_test.sh INSTALLER.msi PROGRAM.exe VERSION FORM_JSON
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/xvfb.sh"
source "$here/../../tools/window_driver.sh"
source "$here/../../tools/wine.sh"
msi=$(realpath "$1")
exe=$2
version=$3
load_description "$4"
passed=0
pass() { echo "ok: $*"; passed=$((passed + 1)); }

PROGRAM_PID=
work=
cleanup() {
  [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null
  stop_wine_prefix
  stop_xvfb
  [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT
work=$(mktemp -d)
# Always a prefix of its own: installing changes it.
unset WINEPREFIX
start_wine_prefix
start_xvfb 1024x768

# ---- The package itself: per user, with no elevation.
summary=$(msiinfo suminfo "$msi")
source_flags=$(sed -n 's/^Source: \([0-9]*\).*/\1/p' <<<"$summary")
[ $((source_flags & 8)) -ne 0 ] || drive_fail "the package asks for elevation (source flags $source_flags)"
properties=$(msiinfo export "$msi" Property | tr -d '\r')
property() { awk -F'\t' -v name="$1" '$1 == name { print $2 }' <<<"$properties"; }
[ -z "$(property ALLUSERS)" ] || drive_fail "ALLUSERS is set: a machine-wide install"
[ "$(property ProductVersion)" = "$version" ] || drive_fail "ProductVersion $(property ProductVersion), not $version"
product=$(property ProductCode)
pass "a per-user package (no elevation, no ALLUSERS), version $version"

# Windows folders as the prefix's user sees them, and where they are here.
windows_folder() { wine cmd /c "echo $1" | tr -d '\r'; }
unix_path() { realpath -m "$(winepath -u "$1")"; }
profile=$(unix_path "$(windows_folder '%USERPROFILE%')")
installed_exe_w="$(windows_folder '%LOCALAPPDATA%')\Programs\Rurorovirora\rurorovirora.exe"
installed_exe=$(unix_path "$installed_exe_w")
installed=$(dirname "$installed_exe")
shortcut_w="$(windows_folder '%APPDATA%')\Microsoft\Windows\Start Menu\Programs\Cálculo de Rurorovirora.lnk"
shortcut=$(unix_path "$shortcut_w")

files() { find "$WINEPREFIX/drive_c" -type f | sort; }
files >"$work/before"

# ---- Install without a question.
wine msiexec /i "$(winepath -w "$msi")" /qn || drive_fail "msiexec /i ended with status $?"
files >"$work/installed"
cmp -s "$installed_exe" "$exe" || drive_fail "no $installed_exe_w, or not the built one"
new=$(comm -13 "$work/before" "$work/installed")
outside=$(grep -v -F "$profile/" <<<"$new" | grep -v -i "/drive_c/windows/Installer/[^/]*\.msi$" || true)
[ -z "$outside" ] || drive_fail "installed outside the user's profile: $outside"
pass "the program in the user's programs folder, nothing outside the profile"

[ -f "$shortcut" ] || drive_fail "no shortcut $shortcut"
# The texts in the link: its target, working folder, comment and icon.
link_texts=$({ strings -a "$shortcut"; strings -a -el "$shortcut"; } | sed 's/^.*\([A-Z]:\\\)/\1/')
grep -q -i -x -F "$installed_exe_w" <<<"$link_texts" || drive_fail "the shortcut does not point at the installed program"
icon=$(grep -i '\.ico$' <<<"$link_texts" | head -n 1) || true
{ [ -n "$icon" ] && [ -f "$(unix_path "$icon")" ]; } || drive_fail "the shortcut's icon '$icon' is not there"
pass "the Start menu shortcut points at the program, with the icon"

# The entry in the installed programs: Windows keeps it in HKCU or HKLM.
entry_key() { # product code; prints the key of its entry, if any
  local root
  for root in HKCU HKLM; do
    wine reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1" >/dev/null 2>&1 &&
      echo "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1" && return 0
  done
  return 1
}
listed() { entry_key "$1" >/dev/null; }
entry_key=$(entry_key "$product") || drive_fail "no entry $product among the installed programs"
# Read as UTF-16, so the accent survives.
wine reg export "$entry_key" "$work/entry.reg" /y >/dev/null 2>&1
entry=$(iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\r')
grep -q -x -F '"DisplayName"="Cálculo de Rurorovirora en Nogal"' <<<"$entry" || drive_fail "entry: $entry"
grep -q -x -F "\"DisplayVersion\"=\"$version\"" <<<"$entry" || drive_fail "entry: $entry"
uninstall=$(wine reg query "$entry_key" /v UninstallString | tr -d '\r') || true
grep -q -i -F "MsiExec.exe /X$product" <<<"$uninstall" || drive_fail "no way to remove it: $uninstall"
pass "listed among the installed programs as \"Cálculo de Rurorovirora en Nogal\" $version"

# ---- The shortcut starts the program, as a click in the Start menu does.
# "start" opens the link and returns; the window tells the program's process.
launch_program wine start "$shortcut_w"
wait "$PROGRAM_PID" || drive_fail "start could not open the shortcut"
PROGRAM_PID=$(xdotool getwindowpid "$WINDOW") || drive_fail "the window names no process"
tr '\0' '\n' <"/proc/$PROGRAM_PID/cmdline" | grep -q -i -x -F "$installed_exe_w" ||
  drive_fail "the window belongs to another program: $(tr '\0' ' ' <"/proc/$PROGRAM_PID/cmdline")"
# Closed as a user closes a window; it must end before it can be removed.
xdotool key --clearmodifiers alt+F4
for _ in $(seq 1 100); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.05; done
kill -0 "$PROGRAM_PID" 2>/dev/null && drive_fail "Alt+F4 did not end the program"
PROGRAM_PID=
pass "the shortcut starts the installed program; its window shows; Alt+F4 ends it"

# ---- A rebuilt package of the same version (every build has a product
# code of its own) replaces the installed one rather than standing beside it.
rebuilt=$work/rebuilt.msi
rebuilt_product='{0DB1A5E0-17A0-4C1D-9E55-17B0C0DE0017}'
cp "$msi" "$rebuilt"
msibuild "$rebuilt" -q "UPDATE Property SET Value='$rebuilt_product' WHERE Property='ProductCode'" \
  -s "Cálculo de Rurorovirora en Nogal $version" "Equipo de Rurorovirora" "x64;1033" '{0DB1A5E0-17A0-4C1D-9E55-17B0C0DE0018}'
wine msiexec /i "$(winepath -w "$rebuilt")" /qn || drive_fail "msiexec /i of the rebuilt package ended with status $?"
listed "$product" && drive_fail "the first build is still listed beside the rebuilt one"
listed "$rebuilt_product" || drive_fail "the rebuilt package is not listed"
cmp -s "$installed_exe" "$exe" || drive_fail "no program after the rebuilt package"
pass "a rebuilt package of the same version replaces the installed one"

# ---- Remove it without a question, as Settings > Apps does with the
# entry's command: every file and the shortcut go.
wine msiexec /x "$rebuilt_product" /qn || drive_fail "msiexec /x ended with status $?"
files >"$work/removed"
left=$(comm -13 "$work/before" "$work/removed")
[ -z "$left" ] || drive_fail "left behind: $left"
[ ! -e "$installed" ] || drive_fail "the folder $installed is left"
wine reg query 'HKCU\Software\Rurorovirora' >/dev/null 2>&1 && drive_fail "the registry key HKCU\\Software\\Rurorovirora is left"
listed "$rebuilt_product" && drive_fail "still listed among the installed programs"
pass "removed: no file, shortcut, registry key or entry left"
echo "$passed passed, 0 failed"
