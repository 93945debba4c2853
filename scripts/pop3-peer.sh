#!/usr/bin/env bash
# A private POP3 server for the mail tests: Dovecot on 127.0.0.1 port 110 with its own configuration,
# state and log under DIR, and the mailboxes of the test users (password "secret"), whose Maildirs the
# tests rebuild through the file system.
#   pop3-peer.sh start DIR    (run as root; Dovecot gives up root for the mail processes)
#   pop3-peer.sh stop DIR
set -euo pipefail
action=${1:?start or stop}
dir=$(realpath -m "${2:?directory}")
users=(alice bob carol dave erin)

stop() {
  [ -f "$dir/dovecot.conf" ] && dovecot -c "$dir/dovecot.conf" stop 2>/dev/null || true
  # wait until the port is free again, so a following start can listen
  for _ in $(seq 50); do
    ss -ltn 2>/dev/null | grep -q '127.0.0.1:110 ' || return 0
    sleep 0.1
  done
}

case "$action" in
start)
  command -v dovecot >/dev/null || { echo "pop3-peer: dovecot is not installed" >&2; exit 1; }
  stop
  rm -rf "$dir"
  mkdir -p "$dir/run" "$dir/state" "$dir/home"
  : >"$dir/passwd"
  for u in "${users[@]}"; do
    mkdir -p "$dir/home/$u/Maildir/new" "$dir/home/$u/Maildir/cur" "$dir/home/$u/Maildir/tmp"
    echo "$u:{PLAIN}secret:65534:65534::$dir/home/$u::" >>"$dir/passwd"
  done
  chown -R 65534:65534 "$dir/home"
  # the tests (root under Wine) write and remove messages; the mail processes move them
  chmod -R a+rwX "$dir/home"
  cat >"$dir/dovecot.conf" <<CONF
protocols = pop3
listen = 127.0.0.1
base_dir = $dir/run
state_dir = $dir/state
log_path = $dir/dovecot.log
info_log_path = $dir/dovecot.log
ssl = no
disable_plaintext_auth = no
auth_mechanisms = plain
auth_failure_delay = 0
mail_location = maildir:~/Maildir:INDEX=MEMORY
passdb {
  driver = passwd-file
  args = scheme=PLAIN $dir/passwd
}
userdb {
  driver = passwd-file
  args = $dir/passwd
}
service pop3-login {
  inet_listener pop3 {
    port = 110
  }
  inet_listener pop3s {
    port = 0
  }
}
CONF
  # its output goes to the log: the streams of whoever started it are let go at once
  dovecot -c "$dir/dovecot.conf" </dev/null >/dev/null 2>&1
  for _ in $(seq 100); do
    ss -ltn 2>/dev/null | grep -q '127.0.0.1:110 ' && exit 0
    sleep 0.1
  done
  echo "pop3-peer: dovecot did not start listening; its log:" >&2
  cat "$dir/dovecot.log" >&2 || true
  exit 1
  ;;
stop) stop ;;
*) echo "pop3-peer: start or stop" >&2; exit 2 ;;
esac
