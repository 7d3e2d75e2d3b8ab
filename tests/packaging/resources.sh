#!/usr/bin/env bash
# Orvane.exe carries what Windows shows of it: its icon and the four tray
# icons, the version (product "Orvane", 1.25, a Russian description) and a
# manifest asking for common controls 6, administrator rights and
# per-monitor DPI awareness. Exits 77 (skipped) without the Windows build.
# Usage: resources.sh ORVANE_EXE
set -u
exe=$1
windres=x86_64-w64-mingw32-windres
command -v $windres >/dev/null || { echo "$windres is missing"; exit 77; }
[ -f "$exe" ] || { echo "no Windows build: $exe"; exit 77; }

status=0
rc=$($windres -i "$exe" -O rc 2>/dev/null)
expect() {
  grep -qF -- "$2" <<<"$1" || { echo "missing: $2"; status=1; }
}
for icon in 1 101 102 103 104; do
  expect "$rc" "$icon 14 /* RT_GROUP_ICON */"
done
expect "$rc" 'VALUE "ProductName", "Orvane"'
expect "$rc" 'VALUE "FileVersion", "1.25"'
expect "$rc" 'VALUE "ProductVersion", "1.25"'
expect "$rc" 'FILEVERSION 1, 25, 0, 0'
# "Монитор ..." in UTF-16.
expect "$rc" 'VALUE "FileDescription", L"\x041c\x043e\x043d\x0438\x0442\x043e\x0440'
manifest=$(strings -n 8 "$exe")
expect "$manifest" 'name="Microsoft.Windows.Common-Controls"'
expect "$manifest" 'version="6.0.0.0"'
expect "$manifest" 'level="requireAdministrator"'
expect "$manifest" 'PerMonitorV2'
exit $status
