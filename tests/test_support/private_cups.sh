#!/usr/bin/env bash
# A private CUPS server whose default printer is a cups-pdf queue, for tests that print
# through a real print system. Needs root (cupsd runs the cups-pdf backend only as root)
# and the packages cups and printer-driver-cups-pdf.
#
#   private_cups.sh check       exits 0 when this machine can run it, else says what lacks
#   private_cups.sh start DIR   starts cupsd with all its files in DIR and prints
#                                 CUPS_SERVER=DIR/cups.sock  (for libcups)
#                                 PRINTER_NAME=gyrolux-pdf   (the default printer)
#                                 PDF_DIR=DIR/pdf            (where each job's PDF lands)
#   private_cups.sh stop DIR    stops that cupsd and removes what start put outside DIR
#
# cups-pdf reads the settings of a queue "cups-pdf:/NAME" only from
# /etc/cups/cups-pdf-NAME.conf: start writes one (its name unique to DIR), stop removes it.
set -euo pipefail

queue=gyrolux-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

check() {
  if [ "$(id -u)" -ne 0 ]; then echo "not running as root"; return 1; fi
  for file in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/lib/cups/backend/cups-pdf "$ppd"; do
    if [ ! -e "$file" ]; then echo "$file is missing (packages cups, printer-driver-cups-pdf)"; return 1; fi
  done
}

instance_conf() { echo "/etc/cups/cups-pdf-gyrolux$(echo -n "$1" | md5sum | cut -c1-12).conf"; }

start() {
  local dir conf
  dir=$(cd "$1" && pwd)
  conf=$(instance_conf "$dir")
  mkdir -p "$dir"/{conf/ppd,cache,state,spool,tmp,log,pdf}
  # cupsd hands the jobs to its filters as user lp.
  chmod 0755 "$dir" "$dir"/{conf,conf/ppd,state,log}
  chgrp lp "$dir/spool" "$dir/cache"
  chmod 0710 "$dir/spool"
  chmod 0770 "$dir/cache"
  chmod 1777 "$dir/tmp" "$dir/pdf"
  printf '%s\n' "Listen $dir/cups.sock" "LogLevel warn" "Browsing No" "WebInterface No" \
    "DefaultAuthType None" "<Location />" "Order allow,deny" "Allow all" "</Location>" \
    "<Policy default>" "<Limit All>" "Order deny,allow" "</Limit>" "</Policy>" >"$dir/conf/cupsd.conf"
  printf '%s\n' "ServerRoot $dir/conf" "CacheDir $dir/cache" "StateDir $dir/state" \
    "RequestRoot $dir/spool" "TempDir $dir/tmp" "AccessLog $dir/log/access_log" \
    "ErrorLog $dir/log/error_log" "PageLog $dir/log/page_log" "DataDir /usr/share/cups" \
    "ServerBin /usr/lib/cups" "User lp" "Group lp" "SystemGroup root" "Sandboxing Relaxed" \
    >"$dir/conf/cups-files.conf"
  chmod 0644 "$dir"/conf/*.conf
  printf '%s\n' "Out $dir/pdf" "AnonDirName $dir/pdf" "Spool $dir/tmp" "Log $dir/log" "Grp root" \
    "UserUMask 0022" "AnonUMask 0022" >"$conf"

  /usr/sbin/cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" </dev/null \
    >"$dir/log/cupsd.out" 2>&1 &
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
  /usr/sbin/lpadmin -h "$dir/cups.sock" -p "$queue" -E -v "cups-pdf:/$(basename "$conf" .conf | cut -c10-)" \
    -P "$ppd" -o pdftops-renderer-default=pdftocairo 2>/dev/null
  /usr/sbin/lpadmin -h "$dir/cups.sock" -d "$queue"
  printf '%s\n' "CUPS_SERVER=$dir/cups.sock" "PRINTER_NAME=$queue" "PDF_DIR=$dir/pdf"
}

stop() {
  local dir pid
  dir=$(cd "$1" && pwd)
  if [ -f "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$dir/cupsd.pid"
  fi
  rm -f "$(instance_conf "$dir")"
}

case "${1:-}" in
  check) check ;;
  start) check >&2 && start "$2" ;;
  stop) stop "$2" ;;
  *) echo "usage: $0 check | start DIR | stop DIR" >&2; exit 2 ;;
esac
