#!/usr/bin/env bash
# The Windows programs import only DLLs that come with Windows: the C++
# runtime is linked in. Exits 77 (skipped) without the Windows build.
# Usage: system_dlls.sh EXE...
set -u
objdump=x86_64-w64-mingw32-objdump
command -v $objdump >/dev/null || { echo "$objdump is missing"; exit 77; }
shipped=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll iphlpapi.dll
  kernel32.dll mpr.dll msvcrt.dll netapi32.dll ole32.dll oleaut32.dll
  shell32.dll user32.dll version.dll winmm.dll ws2_32.dll "
shipped=" $(echo $shipped) "
status=0
for exe in "$@"; do
  [ -f "$exe" ] || { echo "no Windows build: $exe"; exit 77; }
  dlls=$($objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$dlls" ] || { echo "$exe: no imports read"; status=1; }
  for dll in $dlls; do
    case "$shipped" in
      *" $dll "*) ;;
      *) echo "$(basename "$exe") imports $dll, which Windows does not ship"
         status=1 ;;
    esac
  done
done
exit $status
