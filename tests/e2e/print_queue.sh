#!/usr/bin/env bash
# "&Print" through a real print queue: a private CUPS server whose default printer is a PDF
# printer (cups-pdf). The program prints without a dialog, the job completes, and the printer's
# PDF has as many pages as the same report printed through the printer seam on the same paper.
# Called with a third argument: the print_to_seam helper. Starting the server needs root, or
# sudo without a password; elsewhere the test is skipped.
source "$(dirname "$0")/driver.sh"

readonly SEAM_PRINTER=${3:?print_to_seam path}
readonly PDF_PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
PATH=$PATH:/usr/sbin

if [ "$(id -u)" -eq 0 ]; then
    AS_ROOT=()
elif sudo -n true 2>/dev/null; then
    AS_ROOT=(sudo -n)
else
    echo "SKIPPED: starting a print server needs root or sudo without a password"
    exit 77
fi
for tool in cupsd lpadmin lpstat pdfinfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (./test.sh installs it)"
        exit 77
    fi
done
if [ ! -e /usr/lib/cups/backend/cups-pdf ] || [ ! -e "$PDF_PPD" ]; then
    echo "SKIPPED: cups-pdf is not installed (./test.sh installs printer-driver-cups-pdf)"
    exit 77
fi

# --- the print server -----------------------------------------------------------------------

# Configuration, spool, logs and the printer's PDFs all lie in CUPS_DIR; the server listens on
# a socket there only. cups-pdf reads its settings from /etc/cups alone: the queue has a name of
# its own and a settings file of that name there while the test runs.
QUEUE="vad-e2e-$$"
CUPS_DIR=""
CUPSD=""

stop_print_server() {
    if [ -n "$CUPSD" ]; then
        kill "$CUPSD" 2>/dev/null || true
        wait "$CUPSD" 2>/dev/null || true
    fi
    "${AS_ROOT[@]}" rm -rf "/etc/cups/cups-pdf-$QUEUE.conf" ${CUPS_DIR:+"$CUPS_DIR"}
}

server_running() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }

start_print_server() {
    step "start a private print server with a PDF printer as its default"
    at_exit stop_print_server
    CUPS_DIR=$(mktemp -d "${TMPDIR:-/tmp}/vad-cups.XXXXXX")
    chmod 755 "$CUPS_DIR"   # the filters run as the print server's user
    mkdir -p "$CUPS_DIR"/{etc/ppd,etc/ssl,spool/tmp,state,cache,log,pdf,pdf-spool,pdf-tmp}
    cat >"$CUPS_DIR/etc/cups-files.conf" <<CONF
ServerRoot $CUPS_DIR/etc
RequestRoot $CUPS_DIR/spool
TempDir $CUPS_DIR/spool/tmp
StateDir $CUPS_DIR/state
CacheDir $CUPS_DIR/cache
ErrorLog $CUPS_DIR/log/error_log
AccessLog $CUPS_DIR/log/access_log
PageLog $CUPS_DIR/log/page_log
Printcap $CUPS_DIR/printcap
SystemGroup root
CONF
    cat >"$CUPS_DIR/etc/cupsd.conf" <<CONF
Listen $CUPS_DIR/cups.sock
LogLevel info
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
    "${AS_ROOT[@]}" tee "/etc/cups/cups-pdf-$QUEUE.conf" >/dev/null <<CONF
Out $CUPS_DIR/pdf
AnonDirName $CUPS_DIR/pdf
Spool $CUPS_DIR/pdf-spool
GSTmp $CUPS_DIR/pdf-tmp
Log $CUPS_DIR/log
CONF
    "${AS_ROOT[@]}" cupsd -f -c "$CUPS_DIR/etc/cupsd.conf" -s "$CUPS_DIR/etc/cups-files.conf" \
        >"$CUPS_DIR/cupsd.log" 2>&1 &
    CUPSD=$!
    export CUPS_SERVER="$CUPS_DIR/cups.sock"
    wait_until "the print server start" server_running
    # The printer's driver file is a PPD, which lpadmin calls deprecated.
    lpadmin -p "$QUEUE" -E -v "cups-pdf:/$QUEUE" -P "$PDF_PPD" 2>/dev/null ||
        fail "lpadmin could not add the PDF printer"
    lpadmin -d "$QUEUE" || fail "lpadmin could not make the PDF printer the default"
    echo "   $CUPS_SERVER, default printer $QUEUE"
}

# True once the queue has a finished job and nothing waiting.
job_finished() {
    [ -n "$(lpstat -W completed -o "$QUEUE" 2>/dev/null)" ] && [ -z "$(lpstat -o "$QUEUE" 2>/dev/null)" ]
}

pdf_pages() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages: *//p'; }
pdf_page_size() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Page size: *\([0-9.]* x [0-9.]*\).*/\1/p'; }

# --- the scenario ---------------------------------------------------------------------------

start_print_server
start_display
start_program
splash_to_querent

step "\"&Next\" and \"AutoCast\" cast a Celtic Cross"
keys alt+n
wait_window selection
RMB=$(selection_menu_bar)   # the report window's menu bar has the same font
click_control 7200 4410 1575 375 "$RMB"
wait_window report
wait_window_gone selection

step "copy the report"
copy_report "$E2E_TMP/report.txt"

step "\"&Print\" prints on the default printer without a dialog"
# "&Print" (1695 x 375 twips) stands 300 twips from the window's right edge, 240 below the top.
click_at $(( WW - $(px 300) - $(px 1695) / 2 )) $(( RMB + $(px 240) + $(px 375) / 2 ))
wait_until "the print job finishing" job_finished
expect_no_window message
shopt -s nullglob
printed=("$CUPS_DIR"/pdf/*.pdf)
[ "${#printed[@]}" -eq 1 ] || fail "the PDF printer wrote ${#printed[@]} files"
cp "${printed[0]}" "$E2E_SCREENS/print-queue.pdf"
queue_pages=$(pdf_pages "${printed[0]}")
echo "   the print queue printed $queue_pages pages of $(pdf_page_size "${printed[0]}") points"

step "the queue printed as many pages as the printer seam"
seam_pdf=$(env HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/runtime" QT_QPA_PLATFORM=offscreen \
    "$SEAM_PRINTER" "$E2E_TMP/report.txt" "$E2E_TMP") || fail "print_to_seam failed"
cp "$seam_pdf" "$E2E_SCREENS/print-seam.pdf"
seam_pages=$(pdf_pages "$seam_pdf")
[ -n "$queue_pages" ] && [ "$queue_pages" = "$seam_pages" ] ||
    fail "the queue printed ${queue_pages:-no} pages, the seam $seam_pages"
[ "$(pdf_page_size "${printed[0]}")" = "$(pdf_page_size "$seam_pdf")" ] ||
    fail "the queue's pages measure $(pdf_page_size "${printed[0]}"), the seam's $(pdf_page_size "$seam_pdf")"

step "the report window's \"Exit\" and the exit screen's \"E&xit\" end the program"
click_report_row_button 2
wait_window exitscreen
click_control 6000 2760 1245 375
expect_clean_exit "$PID"
