#!/usr/bin/env bash
# Runs the tests of build/ whose result a desktop can change (label desktop: printing, fonts,
# locales, associations) once more, without building, beside what a desktop has: a CUPS server
# whose default queue is a cups-pdf printer, and the fonts an office suite brings
# (tools/packages.txt lists them).  The server is one of our own: its settings, spool and logs
# in a temporary folder, a socket there for the clients (CUPS_SERVER), and it ends with the
# script.  Arguments go to ctest in place of -L desktop (--all: every test);
# ZOMEL_PACKAGES_READY=1 skips the package check.
set -euo pipefail
cd "$(dirname "$0")/.."

[ -n "${ZOMEL_PACKAGES_READY:-}" ] || tools/packages.sh
[ -d build ] || { echo "test-desktop: build/ is missing; run tools/test.sh first" >&2; exit 1; }

cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
queue=ZomelDesktop

root=$(mktemp -d "${TMPDIR:-/tmp}/zomel-desktop-XXXXXX")
server=
finish() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$root"
}
trap finish EXIT

# The server's filters run as its own user, who must reach the spool.
chmod 755 "$root"
mkdir -p "$root"/{etc/ppd,spool/tmp,cache,state,log}
socket="$root/cups.sock"
cat >"$root/etc/cupsd.conf" <<CONF
Listen $socket
WebInterface No
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
cat >"$root/etc/cups-files.conf" <<CONF
ServerRoot $root/etc
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
SystemGroup $(id -gn)
CONF

"$cupsd" -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" &
server=$!
export CUPS_SERVER="$socket"
for _ in $(seq 1 100); do
  lpstat -r 2>/dev/null | grep -q "scheduler is running" && break
  sleep 0.1
done
if ! lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" || ! lpadmin -d "$queue" ||
   ! lpstat -d | grep -q "destination: $queue"; then
  echo "test-desktop: the print server did not take its default queue:" >&2
  cat "$root/log/error_log" >&2 || true
  exit 1
fi
echo "test-desktop: default print queue $(lpstat -d)"
if command -v fc-match >/dev/null; then
  fc-match -f 'test-desktop: "courier new" prints in %{family[0]}\n' "courier new" || true
fi

if [ $# -eq 0 ]; then
  set -- -L desktop
elif [ "$1" = "--all" ]; then
  shift
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
