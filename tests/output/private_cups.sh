# Sourced by the print tests (needs cups and printer-driver-cups-pdf): a private CUPS server with a PDF printer.
# SPDX-License-Identifier: GPL-3.0-or-later

# start_print_work DATA_DIR: as the superuser only (else status 77), starts the server (CUPS_SERVER), prints to
# PDF_OUT, makes $work with a program folder holding DATA_DIR's first level; the test's exit stops and removes it all.
start_print_work() {
  [ "$(id -u)" -eq 0 ] || { echo "skipped: a private print server needs the superuser"; exit 77; }
  work="$(mktemp -d)"
  chmod 0755 "$work"  # the print filters run as the printing system's own user
  trap 'stop_private_cups; rm -rf "$work"' EXIT
  mkdir -p "$work/program"
  cp "$1/L1words.txt" "$work/program/"
  local root="$work/cups"
  mkdir -p "$root"/{conf,spool,cache,state,log,tmp,pdf}
  chmod 0755 "$root" "$root"/{conf,cache,state,log}
  chmod 1777 "$root/tmp" "$root/pdf"
  chmod 0710 "$root/spool"
  chgrp lp "$root/spool" "$root/cache" "$root/state" 2>/dev/null || true
  cat >"$root/conf/cupsd.conf" <<CONF
Listen $root/cups.sock
LogLevel warn
Browsing No
DefaultAuthType None
WebInterface No
CONF
  printf '%s\n' "ServerRoot $root/conf" "RequestRoot $root/spool" "CacheDir $root/cache" "StateDir $root/state" \
    "TempDir $root/tmp" "ErrorLog $root/log/error_log" "AccessLog $root/log/access_log" "PageLog $root/log/page_log" \
    "FileDevice No" >"$root/conf/cups-files.conf"
  # The PDF printer reads its settings from the system's CUPS folder, one file per device name.
  PDF_QUEUE="LoopwordTest$$"
  PDF_QUEUE_CONF="/etc/cups/cups-pdf-$PDF_QUEUE.conf"
  printf '%s\n' "Out $root/pdf" "AnonDirName $root/pdf" "Label 0" >"$PDF_QUEUE_CONF"
  /usr/sbin/cupsd -f -c "$root/conf/cupsd.conf" -s "$root/conf/cups-files.conf" >"$root/log/cupsd.out" 2>&1 &
  CUPSD_PID=$!
  export CUPS_SERVER="$root/cups.sock" PDF_OUT="$root/pdf"
  for _ in $(seq 100); do  # lpstat -r succeeds either way: only its words tell
    [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ] && return 0
    sleep 0.1
  done
  echo "the private CUPS server did not start" >&2
  cat "$root/log/cupsd.out" "$root/log/error_log" >&2 2>/dev/null || true
  return 1
}

add_pdf_printer() {
  lpadmin -p "$PDF_QUEUE" -E -v "cups-pdf:/$PDF_QUEUE" -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
  lpadmin -d "$PDF_QUEUE"
}

stop_private_cups() {
  [ -n "${CUPSD_PID:-}" ] && kill "$CUPSD_PID" 2>/dev/null && wait "$CUPSD_PID" 2>/dev/null || true
  [ -n "${PDF_QUEUE_CONF:-}" ] && rm -f "$PDF_QUEUE_CONF"
}
