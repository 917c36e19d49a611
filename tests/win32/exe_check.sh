#!/usr/bin/env bash
# The built .exe runs on a bare Windows: it imports only DLLs that come with
# Windows, it is under 2 MB, and it carries the version record of the
# project's version, the icon and the manifest (per-monitor DPI aware).
#   exe_check.sh PROGRAM.exe OBJDUMP VERSION
set -euo pipefail
exe=$1 objdump=$2 version=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
passed=0

imports=$("$objdump" -p "$exe" | awk '/DLL Name:/ {print toupper($3)}' | sort -u | tr '\n' ' ')
for dll in $imports; do
  case $dll in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | MSVCRT.DLL | ADVAPI32.DLL) ;;
    *) fail "imports $dll, which a bare Windows does not have" ;;
  esac
done
passed=$((passed + 1))

size=$(stat -c %s "$exe")
[ "$size" -lt $((2 * 1024 * 1024)) ] || fail "$size bytes"
passed=$((passed + 1))

# Resource types: 3 icon, 14 icon group, 16 version, 24 manifest.
# The types stand at the top level of the resource tree: indented least.
resources=$("$objdump" -p "$exe" | awk '/^[0-9a-f]+   Entry: ID:/ {print $4}' | sort -u | tr -d ',' | tr '\n' ' ')
[ "$resources" = "0x000003 0x00000e 0x000010 0x000018 " ] || fail "resource types: $resources"
passed=$((passed + 1))

has_text() { # text encoding
  python3 - "$exe" "$1" "$2" <<'PY'
import sys
sys.exit(0 if sys.argv[2].encode(sys.argv[3]) in open(sys.argv[1], 'rb').read() else 1)
PY
}
{ has_text "ProductVersion" utf-16-le && has_text "$version" utf-16-le; } || fail "no version $version"
has_text "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2</dpiAwareness>" utf-8 \
  || fail "the manifest does not ask for per-monitor DPI awareness"
passed=$((passed + 1))
echo "imports: $imports; $size bytes"
echo "$passed passed, 0 failed"
