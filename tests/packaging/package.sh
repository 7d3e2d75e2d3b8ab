#!/usr/bin/env bash
# scripts/package packs the programs of the Windows build with the help,
# a Windows-1251 readme.txt and the licence into one folder of a zip.
# Exits 77 (skipped) without the Windows build.
# Usage: package.sh WIN_BUILD_DIR WORK_DIR
set -u
build=$1 work=$2
root="$(cd "$(dirname "$0")/../.." && pwd)"
[ -f "$build/platform/win32/help.chm" ] || { echo "no Windows build in $build"; exit 77; }
[ "$(cd "$build" && pwd)" = "$root/build-win" ] ||
  { echo "scripts/package packs build-win only"; exit 77; }

rm -rf "$work" && mkdir -p "$work" || exit 1
"$root/scripts/package" --no-build "$work" >"$work/package.log" 2>&1 ||
  { cat "$work/package.log"; exit 1; }
zip=$(ls "$work"/orvane-*.zip 2>/dev/null | head -n 1)
[ -n "$zip" ] || { echo "no zip in $work"; exit 1; }

status=0
listing=$(cmake -E tar tf "$zip")
folder=$(basename "$zip" .zip | sed 's/^orvane/Orvane/')
for file in Orvane.exe tallyrep.exe connrep.exe help.chm readme.txt LICENSE.txt; do
  grep -qx "$folder/$file" <<<"$listing" || { echo "$file is not in $zip"; status=1; }
done
(cd "$work" && cmake -E tar xf "$zip") || exit 1
readme="$work/$folder/readme.txt"
iconv -f CP1251 -t UTF-8 "$readme" | grep -q '^Установка' ||
  { echo "readme.txt is not Russian in Windows-1251"; status=1; }
[ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] ||
  { echo "readme.txt lines do not end in CR LF"; status=1; }
# The programs go stripped; the build keeps them whole.
for file in Orvane.exe tallyrep.exe connrep.exe; do
  shipped="$work/$folder/$file" built="$build/platform/win32/$file"
  # Stripping stamps the file with its own time: the sections must agree.
  x86_64-w64-mingw32-strip --strip-all -o "$work/expected.exe" "$built"
  sections() { x86_64-w64-mingw32-objdump -h "$1" | tail -n +4; }
  [ "$(sections "$shipped")" = "$(sections "$work/expected.exe")" ] ||
    { echo "$file in the zip is not the stripped one built"; status=1; }
  x86_64-w64-mingw32-objdump -h "$shipped" | grep -q '\.debug' &&
    { echo "$file in the zip has debug sections"; status=1; }
  x86_64-w64-mingw32-objdump -h "$built" | grep -q '\.debug' ||
    { echo "$file in the build lost its debug sections"; status=1; }
  [ "$(stat -c %s "$shipped")" -lt "$(stat -c %s "$built")" ] ||
    { echo "$file in the zip is no smaller than the one built"; status=1; }
done
exit $status
