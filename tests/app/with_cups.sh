#!/bin/sh
# Runs the print test program twice:
#  1. with no print service reachable: File, Print must say that nothing was printed;
#  2. against a private print service (cupsd on its own configuration, spool and socket in
#     a temporary folder, so the machine's own printing is left alone) whose default printer
#     is the PDF printer: File, Print must produce a one-page PDF holding the window.
# The daemon is stopped by its process id when the test ends.
# Exit code 77 (skipped) when the second run cannot be done here (not root, no cupsd, no PDF
# printer); the first run is still done.
set -u
test_program=$1

work=$(mktemp -d "${TMPDIR:-/tmp}/lotto-cups-XXXXXX") || exit 1
chmod 755 "$work"
cupsd_pid=
finish() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null
        wait "$cupsd_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM

echo "== no print service"
CUPS_SERVER="$work/nobody.sock" LOTTO_PRINT_MODE=none "$test_program" || exit 1

cupsd=/usr/sbin/cupsd
backend=/usr/lib/cups/backend/cups-pdf
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the PDF printer (cups-pdf) only runs under a print service started as root"
    exit 77
fi
for f in "$cupsd" "$backend" /usr/sbin/lpadmin; do
    if [ ! -x "$f" ]; then
        echo "SKIP: $f is missing (scripts/setup.sh installs cups and printer-driver-cups-pdf)"
        exit 77
    fi
done

mkdir -p "$work/etc/ppd" "$work/spool/tmp" "$work/cache" "$work/state" "$work/log"
cat > "$work/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
SystemGroup root
CONF
cat > "$work/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
Browsing No
WebInterface No
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

"$cupsd" -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$work/cups.sock"
# Its socket can be there before it answers (on a busy machine): it is up once it answers.
tries=0
until lpstat -r 2>/dev/null | grep -q "is running"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 400 ] || ! kill -0 "$cupsd_pid" 2>/dev/null; then
        echo "FAIL: cupsd did not start"; cat "$work/log/error_log" 2>/dev/null; exit 1
    fi
    sleep 0.05
done
# lpadmin warns that printer drivers are deprecated; any other message is the failure's.
if ! lpadmin -p LottoPDF -v cups-pdf:/ -m "$ppd" -E 2>"$work/lpadmin.err"; then
    echo "FAIL: lpadmin"; cat "$work/lpadmin.err" "$work/log/error_log" 2>/dev/null; exit 1
fi
lpadmin -d LottoPDF || { echo "FAIL: lpadmin -d"; exit 1; }

# Where the PDF printer writes: "Out" of its configuration, for the user printing.
user=$(id -un)
home=$(getent passwd "$user" | cut -d: -f6)
outdir=$(sed -n 's/^[[:space:]]*Out[[:space:]]\{1,\}//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
[ -n "$outdir" ] || outdir='/var/spool/cups-pdf/${USER}'
outdir=$(printf '%s' "$outdir" | sed -e "s|\${HOME}|$home|g" -e "s|\${USER}|$user|g")

echo "== private print service, default printer LottoPDF, output in $outdir"
LOTTO_PRINT_MODE=cups LOTTO_PRINT_OUTDIR="$outdir" HOME="$home" "$test_program"
status=$?
if [ "$status" -ne 0 ]; then
    echo "-- print service log:"; cat "$work/log/error_log" 2>/dev/null
fi
exit "$status"
