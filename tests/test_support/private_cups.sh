#!/usr/bin/env bash
# A private CUPS server with one cups-pdf queue as its default printer, for tests that
# print through a real print system. Needs root (cupsd runs the cups-pdf backend only as
# root) and the packages cups and printer-driver-cups-pdf.
#
#   private_cups.sh start DIR   starts cupsd with its files, socket and logs in DIR and adds
#                               the queue; prints three lines for the caller:
#                                 CUPS_SERVER=DIR/cups.sock   (the server, for libcups)
#                                 PRINTER_NAME=gyrolux-pdf    (the default printer)
#                                 PDF_DIR=DIR/pdf             (where each job's PDF lands)
#   private_cups.sh stop DIR    stops that cupsd and removes what start put outside DIR
#   private_cups.sh check       exits 0 when this machine can run it, else names what lacks
#
# cups-pdf reads the settings of the queue "cups-pdf:/NAME" only from
# /etc/cups/cups-pdf-NAME.conf, so start writes one such file there (its name unique to
# DIR) and stop removes it again.
set -euo pipefail

queue=gyrolux-pdf

check() {
  if [ "$(id -u)" -ne 0 ]; then echo "not running as root"; return 1; fi
  for tool in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/lib/cups/backend/cups-pdf; do
    if [ ! -x "$tool" ]; then echo "$tool is missing (packages cups, printer-driver-cups-pdf)"; return 1; fi
  done
  local ppd
  ppd=$(ppd_file) || { echo "the CUPS-PDF printer description is missing"; return 1; }
}

ppd_file() {
  for ppd in /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/cups/model/CUPS-PDF_opt.ppd; do
    if [ -r "$ppd" ]; then echo "$ppd"; return 0; fi
  done
  return 1
}

instance_name() { echo "gyrolux$(echo -n "$1" | md5sum | cut -c1-12)"; }

start() {
  local dir
  dir=$(cd "$1" && pwd)
  local instance
  instance=$(instance_name "$dir")
  mkdir -p "$dir"/{conf/ppd,cache,state,spool,tmp,log,pdf}
  # cupsd hands jobs to its filters as user lp: they read the spool and write temporaries.
  chmod 0755 "$dir" "$dir"/{conf,conf/ppd,cache,state,log}
  chmod 0710 "$dir/spool"
  chgrp lp "$dir/spool" "$dir/cache"
  chmod 0770 "$dir/cache"
  chmod 1777 "$dir/tmp" "$dir/pdf"

  cat > "$dir/conf/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
Browsing No
WebInterface No
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
  cat > "$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
CacheDir $dir/cache
StateDir $dir/state
RequestRoot $dir/spool
TempDir $dir/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
DataDir /usr/share/cups
ServerBin /usr/lib/cups
User lp
Group lp
SystemGroup root
Sandboxing Relaxed
CONF
  cat > "/etc/cups/cups-pdf-$instance.conf" <<CONF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/tmp
Log $dir/log
Grp root
UserUMask 0022
AnonUMask 0022
Label 0
CONF
  chmod 0644 "$dir"/conf/*.conf

  /usr/sbin/cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"
  for _ in $(seq 1 100); do
    [ -S "$dir/cups.sock" ] && break
    sleep 0.1
  done
  if [ ! -S "$dir/cups.sock" ]; then
    echo "cupsd did not start:" >&2
    cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
    stop "$dir"
    return 1
  fi
  # The PDF a program prints reaches cups-pdf as PostScript; made by pdftocairo it keeps
  # the text of the page readable in the PDF that comes out (not so with Ghostscript).
  /usr/sbin/lpadmin -h "$dir/cups.sock" -p "$queue" -E -v "cups-pdf:/$instance" -P "$(ppd_file)" \
    -o pdftops-renderer-default=pdftocairo
  /usr/sbin/lpadmin -h "$dir/cups.sock" -d "$queue"
  echo "CUPS_SERVER=$dir/cups.sock"
  echo "PRINTER_NAME=$queue"
  echo "PDF_DIR=$dir/pdf"
}

stop() {
  local dir
  dir=$(cd "$1" && pwd)
  if [ -f "$dir/cupsd.pid" ]; then
    local pid
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$dir/cupsd.pid"
  fi
  rm -f "/etc/cups/cups-pdf-$(instance_name "$dir").conf"
}

case "${1:-}" in
  check) check ;;
  start) check >&2 && start "$2" ;;
  stop) stop "$2" ;;
  *) echo "usage: $0 check | start DIR | stop DIR" >&2; exit 2 ;;
esac
