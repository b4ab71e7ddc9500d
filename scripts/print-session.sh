#!/usr/bin/env bash
# Runs a command beside a print server of its own: cupsd with its configuration, spool and
# socket in a scratch folder, and one cups-pdf queue "PDF", the default. The command finds
# CUPS_SERVER pointing at that server; the machine's own print server, if any, is not
# touched. A server that cannot start ends the session with a message that says why; the
# session's status is the command's. Needs root, as cupsd does.
# Usage: print-session.sh COMMAND [ARGUMENT...]
set -euo pipefail
fail() {
    echo "print-session.sh: $*" >&2
    exit 1
}
for tool in /usr/sbin/cupsd /usr/lib/cups/backend/cups-pdf lpadmin lpstat; do
    [[ -x $tool ]] || command -v "$tool" >/dev/null || fail "$tool is missing (bash scripts/install-deps.sh)"
done
work=$(mktemp -d)
# The filters run as the server's own user, which must reach the spool.
chmod 755 "$work"
mkdir -p "$work"/{conf,spool/tmp,cache,state,log}
cat >"$work/conf/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$work/conf/cups-files.conf" <<CONF
ServerRoot $work/conf
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
CONF
# cups-pdf writes each job into the PDF folder of its user's home: the command finds it in
# KVR_PRINTED, and what the session's jobs put there goes with the session.
export KVR_PRINTED=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
mkdir -p "$KVR_PRINTED" && touch "$work/started"
server=
stop() {
    [[ -z $server ]] || { kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; } || true
    [[ -n ${KVR_KEEP_PRINTED:-} ]] || find "$KVR_PRINTED" -maxdepth 1 -type f -newer "$work/started" -delete
    rm -rf "$work"
}
trap stop EXIT
/usr/sbin/cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" \
    >"$work/log/cupsd.out" 2>&1 &
server=$!
export CUPS_SERVER=$work/cups.sock
for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    kill -0 "$server" 2>/dev/null || fail "cupsd did not start: $(cat "$work/log/cupsd.out" "$work/log/error_log" 2>/dev/null)"
    sleep 0.1
done
lpstat -r | grep -q "is running" || fail "cupsd does not answer at $CUPS_SERVER"
lpadmin -p PDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
    fail "the queue PDF cannot be added: $(cat "$work/log/error_log" 2>/dev/null)"
lpadmin -d PDF
"$@"
