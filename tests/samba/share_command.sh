#!/usr/bin/env bash
# The test server's add, change and delete share commands: they edit its
# smb.conf as Samba asks (Samba reloads it itself).
# Usage: share_command.sh add|change CONF NAME PATH COMMENT MAX
#        share_command.sh delete CONF NAME
set -u
mode=$1 conf=$2 name=$3

drop_section() {
  awk -v name="[$name]" '
    /^\[/ { skipping = (tolower($0) == tolower(name)) }
    !skipping' "$conf" >"$conf.new" && mv "$conf.new" "$conf"
}

case $mode in
  add | change)
    [ "$mode" = change ] && drop_section
    printf '[%s]\n  path = %s\n  comment = %s\n  read only = no\n' \
      "$name" "$4" "$5" >>"$conf"
    ;;
  delete)
    drop_section
    ;;
  *) exit 1 ;;
esac
