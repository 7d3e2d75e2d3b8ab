#!/usr/bin/env bash
# help.chm holds every page of help/, each listed in the table of contents,
# in Windows-1251 as the pages declare. Exits 77 (skipped) without the
# Windows build or chmls.
# Usage: help.sh HELP_SOURCE_DIR HELP_CHM
set -u
source_dir=$1 chm=$2
command -v chmls >/dev/null || { echo "chmls is missing"; exit 77; }
[ -f "$chm" ] || { echo "no Windows build: $chm"; exit 77; }

status=0
listing=$(chmls list "$chm" 2>/dev/null)
for page in "$source_dir"/*.html; do
  name=$(basename "$page")
  grep -q " /$name\$" <<<"$listing" || { echo "$name is not in help.chm"; status=1; }
  grep -q "value=\"$name\"" "$source_dir/toc.hhc" ||
    { echo "$name is not in the table of contents"; status=1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmls extract "$chm" /index.html "$work/index.html" >/dev/null 2>&1
if ! iconv -f CP1251 -t UTF-8 "$work/index.html" | grep -q 'Горячие клавиши'; then
  echo "index.html in help.chm is not Windows-1251 text"
  status=1
fi
grep -q $'\r$' "$work/index.html" || { echo "index.html has no CR LF"; status=1; }
exit $status
