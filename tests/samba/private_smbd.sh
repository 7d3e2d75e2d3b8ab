# A private smbd for the tests: its own smb.conf and folders under one work
# folder, one share "office", an administrator (in BUILTIN\Administrators,
# a Domain Admin, which ending sessions needs, and a disk operator, which
# share changes need; share_command.sh makes them) and two client users.
# Where network namespaces can be made, the server runs in one of its own
# and each client user in another, joined to it by a veth pair, so every
# client has an address of its own; else all run on loopback port 445.
# Sourced (bash); everything it starts and adds is taken away by
# samba_stop, which the caller sets as its exit trap.
#   $SAMBA_AT_SERVER COMMAND   runs a command where the server is (the
#                              watcher talks to it at 127.0.0.1)
#   $(samba_at_client I) COMMAND  runs a command where client I (0, 1)
#                              is; SAMBA_SERVER_FOR[I] is the server's
#                              address there, SAMBA_CLIENT_ADDRESS[I] the
#                              client's
# Needs root and the samba packages; samba_skip_unless_ready exits 77
# without them.

SAMBA_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SAMBA_ADMIN=ovadmin SAMBA_ADMIN_PASSWORD=Admin-pass-1
SAMBA_USERS=(ovbuh ovsklad) SAMBA_USER_PASSWORD=Client-pass-1
SAMBA_ADMIN_GROUP=ovadmins SAMBA_DOMAIN_ADMIN_GROUP=ovdomadm
SAMBA_NAMESPACES=(ovsrv ovc0 ovc1)
SAMBA_AT_SERVER=
SAMBA_SERVER_FOR=(127.0.0.1 127.0.0.1)
SAMBA_CLIENT_ADDRESS=(127.0.0.1 127.0.0.1)

samba_at_client() {
  [ -n "$SAMBA_AT_SERVER" ] && echo "ip netns exec ${SAMBA_NAMESPACES[$1 + 1]}"
}

# The server's namespace and one per client, 10.77.N.1 on the server's
# side of client N's pair and 10.77.N.2 on the client's. False when they
# cannot be made; nothing is left then.
samba_make_namespaces() {
  command -v ip >/dev/null || return 1
  samba_remove_namespaces  # a run that was killed may have left them
  local ns i
  for ns in "${SAMBA_NAMESPACES[@]}"; do
    ip netns add $ns 2>/dev/null || { samba_remove_namespaces; return 1; }
    ip -n $ns link set lo up || { samba_remove_namespaces; return 1; }
  done
  for i in 0 1; do
    ip link add ovs$i netns ovsrv type veth peer name ovc$i netns ovc$i &&
      ip -n ovsrv addr add 10.77.$i.1/24 dev ovs$i &&
      ip -n ovsrv link set ovs$i up &&
      ip -n ovc$i addr add 10.77.$i.2/24 dev ovc$i &&
      ip -n ovc$i link set ovc$i up ||
      { samba_remove_namespaces; return 1; }
    SAMBA_SERVER_FOR[i]=10.77.$i.1
    SAMBA_CLIENT_ADDRESS[i]=10.77.$i.2
  done
  # The clients' names where the server is, as a LAN's name service would
  # give them; ip netns exec lays this over /etc/hosts there.
  mkdir -p /etc/netns/ovsrv &&
    printf '127.0.0.1 localhost\n10.77.0.2 buh-pc\n10.77.1.2 sklad-pc\n' \
      >/etc/netns/ovsrv/hosts || { samba_remove_namespaces; return 1; }
  SAMBA_AT_SERVER="ip netns exec ovsrv"
}

samba_remove_namespaces() {
  local ns
  for ns in "${SAMBA_NAMESPACES[@]}"; do
    ip netns del $ns 2>/dev/null
    rm -rf "/etc/netns/$ns"
  done
  SAMBA_AT_SERVER=
}

# Whether the server listens, where it runs.
samba_listening() {
  $SAMBA_AT_SERVER ss -ltn 2>/dev/null | grep -q '127.0.0.1:445 '
}

samba_skip_unless_ready() {
  [ "$(id -u)" -eq 0 ] || { echo "the private smbd needs root"; exit 77; }
  local tool
  for tool in smbd smbpasswd net smbstatus; do
    command -v $tool >/dev/null || { echo "$tool is not installed"; exit 77; }
  done
  /usr/bin/python3 -c 'import samba.samba3.libsmb_samba_internal' 2>/dev/null ||
    { echo "python3-samba is not installed"; exit 77; }
  if ss -ltn 2>/dev/null | grep -q ':445 '; then
    echo "port 445 is taken by another server"
    exit 77
  fi
}

# samba_start WORK: the server is up and answering when it returns 0.
samba_start() {
  SAMBA_WORK=$1
  local w=$SAMBA_WORK
  rm -rf "$w" && mkdir -p "$w"/{private,lock,state,cache,pid,log,ncalrpc,office} || return 1
  chmod 777 "$w/office"
  local addresses=127.0.0.1/8
  if samba_make_namespaces; then
    addresses="127.0.0.1/8 10.77.0.1/24 10.77.1.1/24"
  fi
  SAMBA_CONF=$w/smb.conf
  cat >"$SAMBA_CONF" <<CONF
[global]
  server role = standalone server
  disable netbios = yes
  smb ports = 445
  interfaces = $addresses
  bind interfaces only = yes
  private dir = $w/private
  lock directory = $w/lock
  state directory = $w/state
  cache directory = $w/cache
  pid directory = $w/pid
  ncalrpc dir = $w/ncalrpc
  log file = $w/log/%m.log
  passdb backend = tdbsam:$w/private/passdb.tdb
  map to guest = never
  load printers = no
  smbd profiling level = on
  printing = bsd
  printcap name = /dev/null
  add share command = $SAMBA_HERE/share_command.sh add
  change share command = $SAMBA_HERE/share_command.sh change
  delete share command = $SAMBA_HERE/share_command.sh delete
[office]
  path = $w/office
  read only = no
CONF
  local group
  for group in $SAMBA_ADMIN_GROUP $SAMBA_DOMAIN_ADMIN_GROUP; do
    getent group $group >/dev/null || groupadd $group || return 1
  done
  local user
  for user in $SAMBA_ADMIN "${SAMBA_USERS[@]}"; do
    id $user >/dev/null 2>&1 || useradd -M -s /usr/sbin/nologin $user || return 1
  done
  usermod -a -G $SAMBA_ADMIN_GROUP,$SAMBA_DOMAIN_ADMIN_GROUP $SAMBA_ADMIN || return 1
  printf '%s\n%s\n' $SAMBA_ADMIN_PASSWORD $SAMBA_ADMIN_PASSWORD |
    smbpasswd -c "$SAMBA_CONF" -s -a $SAMBA_ADMIN >/dev/null || return 1
  for user in "${SAMBA_USERS[@]}"; do
    printf '%s\n%s\n' $SAMBA_USER_PASSWORD $SAMBA_USER_PASSWORD |
      smbpasswd -c "$SAMBA_CONF" -s -a $user >/dev/null || return 1
  done
  net -s "$SAMBA_CONF" groupmap add sid=S-1-5-32-544 \
    unixgroup=$SAMBA_ADMIN_GROUP type=builtin >/dev/null || return 1
  local sid
  sid=$(net -s "$SAMBA_CONF" getlocalsid | sed -n 's/.* is: //p')
  net -s "$SAMBA_CONF" groupmap add sid="$sid-512" \
    unixgroup=$SAMBA_DOMAIN_ADMIN_GROUP type=domain >/dev/null || return 1
  # Adding and changing shares.
  net -s "$SAMBA_CONF" sam rights grant $SAMBA_ADMIN SeDiskOperatorPrivilege \
    >/dev/null || return 1
  samba_serve
}

# Starts the server on the set-up of samba_start (again after samba_halt).
samba_serve() {
  # smbd signals its own process group when it ends: a group of its own.
  $SAMBA_AT_SERVER setsid smbd -s "$SAMBA_CONF" --foreground --no-process-group \
    >>"$SAMBA_WORK/log/smbd.out" 2>&1 </dev/null &
  SAMBA_PID=$!
  local _
  for _ in $(seq 1 60); do
    samba_listening && return 0
    kill -0 $SAMBA_PID 2>/dev/null || break
    sleep 0.25
  done
  echo "smbd did not start; see $SAMBA_WORK/log"
  return 1
}

# The server's processes end; its set-up stays for samba_serve.
samba_halt() {
  local pidfile pid _
  [ -n "${SAMBA_PID:-}" ] && kill "$SAMBA_PID" 2>/dev/null
  # samba-dcerpcd comes with the first RPC call and outlives smbd.
  for pidfile in "$SAMBA_WORK"/pid/*.pid; do
    [ -f "$pidfile" ] || continue
    pid=$(cat "$pidfile" 2>/dev/null)
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
  done
  pkill -f -- "$SAMBA_CONF" 2>/dev/null
  for _ in $(seq 1 20); do
    pgrep -f -- "$SAMBA_CONF" >/dev/null || break
    sleep 0.25
  done
  pkill -9 -f -- "$SAMBA_CONF" 2>/dev/null
  for _ in $(seq 1 20); do
    samba_listening || return 0
    sleep 0.25
  done
}

# samba_hold [--reconnect] I FILE...: client I holds the files open, as its
# user, until samba_stop ends it; with --reconnect it comes back whenever
# the server ends its session, saying "ready" in $(samba_client_said I)
# each time. Its pid is the last of SAMBA_CLIENTS.
SAMBA_CLIENTS=()
samba_client_said() { echo "$SAMBA_WORK/${SAMBA_USERS[$1]}.out"; }
samba_hold() {
  local again=
  [ "$1" = --reconnect ] && again=$1 && shift
  local i=$1 user=${SAMBA_USERS[$1]}
  shift
  local said
  said=$(samba_client_said $i)
  $(samba_at_client $i) /usr/bin/python3 "$SAMBA_HERE/hold_files.py" $again "$SAMBA_CONF" \
    "${SAMBA_SERVER_FOR[i]}" office "$user" "$SAMBA_USER_PASSWORD" "$@" >"$said" 2>&1 &
  SAMBA_CLIENTS+=($!)
  local _
  for _ in $(seq 1 40); do
    grep -q ready "$said" 2>/dev/null && return 0
    sleep 0.25
  done
  echo "the client $user did not open its files:"
  cat "$said"
  exit 1
}

samba_stop() {
  [ -n "${SAMBA_WORK:-}" ] || return 0
  if [ ${#SAMBA_CLIENTS[@]} -gt 0 ]; then
    kill "${SAMBA_CLIENTS[@]}" 2>/dev/null
    wait "${SAMBA_CLIENTS[@]}" 2>/dev/null
  fi
  SAMBA_CLIENTS=()
  samba_halt
  local user
  for user in $SAMBA_ADMIN "${SAMBA_USERS[@]}"; do
    id $user >/dev/null 2>&1 && userdel $user 2>/dev/null
  done
  local group
  for group in $SAMBA_ADMIN_GROUP $SAMBA_DOMAIN_ADMIN_GROUP; do
    getent group $group >/dev/null && groupdel $group 2>/dev/null
  done
  samba_remove_namespaces
  rm -rf "$SAMBA_WORK"
  SAMBA_WORK=
}
